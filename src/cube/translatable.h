// Marks a text of a plain-C++ layer that a person reads. The layer keeps
// the English; the window looks the text up in the user's language under
// the context given, and the translation tools collect it from this mark.
#pragma once

#define VEXLOR_TEXT(context, text) text
