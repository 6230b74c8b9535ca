// Vexlor: a trainer for the cube-folding test.

#include "app/app_icon.h"
#include "app/main_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QStyleFactory>

#include <exception>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexlor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vexlor"));
    QGuiApplication::setDesktopFileName(vexlor::kAppId);
    QApplication::setWindowIcon(vexlor::AppIcon());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    try {
        vexlor::MainWindow window;
        window.show();
        return QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Vexlor"), QString::fromLocal8Bit(e.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QStringLiteral("Vexlor"), QString());
    }
    return 0;
}
