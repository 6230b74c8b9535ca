#pragma once

// The main window: the question and answer pictures, the Series, Test and
// Statistics panels, the keyboard, and the window's fixed size and place.

#include "app/controls.h"
#include "app/dialogs.h"
#include "app/picture_widget.h"
#include "cube/cube_node.h"
#include "render/pictures.h"
#include "series/series_store.h"
#include "test/test_flow.h"
#include "test/test_state.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <memory>

class QGroupBox;

namespace vexlor {

class SeriesCommands;

class TForm1 final : public QWidget, public TestView {
    Q_OBJECT

public:
    // What the window works on. Null members mean the program-wide ones: the
    // real dialogs, the one series store and the one test state. Tests pass
    // scripted dialogs and fresh state.
    struct Services {
        Dialogs* dialogs = nullptr;
        SeriesStore* store = nullptr;
        TestState* state = nullptr;
    };
    TForm1() : TForm1(Services{}) {}
    explicit TForm1(Services services);
    ~TForm1() override;

    TestFlow& flow() { return *flow_; }
    SeriesCommands& commands() { return *commands_; }
    SeriesStore& store() { return *store_; }
    TestState& state() { return *state_; }
    Dialogs& dialogs() { return *dialogs_; }
    const CubeNode& sampleCube() const { return SampleCube; }

    // Handlers, public so that keys and commands can perform them.
    void ststClick();
    void skipClick();
    void ans0Click(PictureWidget* picture);
    void nextClick();
    void AppDeactivate();
    void ttTimer();
    void FormKeyPress(QChar key);

    // TestView.
    const Pictures& pictures() const override { return pictures_; }
    void RefreshLabels() override;
    void CreateRandomSeries() override;

    // The controls, named as the rest of the program knows them.
    PictureWidget* qu;
    PictureWidget* ans0;
    PictureWidget* ans1;
    PictureWidget* ans2;
    PictureWidget* ans3;
    PictureWidget* anspic[4];
    ClickLabel* next;
    QLabel* Label15;
    Bevel* Bevel8;

    QGroupBox* GroupBox1;
    QLabel *Label1, *Label4, *Label5, *Label6;
    QLabel *scurr, *sskip, *smist, *scust;
    QLabel *Label8, *Label14, *Label9, *Label10;
    PictureWidget *guzik, *guzik2;
    QPushButton *Button9, *Button11;
    QPushButton *Button5, *Button1, *Button8, *Button12;
    QPushButton *Button3, *atmi, *Button7, *Button13;
    QPushButton *Button4, *atcu, *Button6, *Button14;
    QPushButton *newseriesb, *loadfromfile, *Button2;
    Bevel *Bevel1, *Bevel2, *Bevel3, *Bevel4, *Bevel5, *Bevel6, *Bevel7;

    QGroupBox* GroupBox3;
    QPushButton* stst;
    QPushButton* skip;

    QGroupBox* GroupBox2;
    QLabel *Label2, *Label12, *Label3, *Label7, *Label11, *Label13;
    QLabel *tcurr, *socubes, *ttot, *tavr, *mists, *mpc;

    QTimer* tt;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ConnectControls();
    void FormShow();
    void FormEndDock();
    void FormClose();
    void RepaintPictures();

    std::unique_ptr<Dialogs> ownDialogs_;
    Dialogs* dialogs_;
    SeriesStore* store_;
    TestState* state_;
    Pictures pictures_{};
    std::unique_ptr<TestFlow> flow_;
    std::unique_ptr<SeriesCommands> commands_;
    CubeNode SampleCube{};
    bool shown_ = false;
    bool closed_ = false;
    QTimer* dockTimer_ = nullptr;
};

// The program-wide main window, set while one exists.
extern TForm1* Form1;

} // namespace vexlor
