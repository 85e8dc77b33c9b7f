#pragma once

#include <QString>

class QWidget;

// The platform's file dialogs, opening where the user last saved or opened
// a file, or else in their documents folder (the home folder if there is
// none). Each gives the file chosen, or an empty name when cancelled.
namespace varnock::ui {

// Asks before replacing a file; a name typed without a suffix gets `suffix`.
QString AskSaveName(QWidget* window, const char* dialogName, const QString& title, const QString& proposed,
                    const char* filter, const char* suffix);
QString AskOpenName(QWidget* window, const char* dialogName, const QString& title, const char* filter);

}  // namespace varnock::ui
