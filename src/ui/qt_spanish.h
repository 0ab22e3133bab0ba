// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QCoreApplication;
class QTranslator;

namespace ui {

// Where Debian's Qt keeps its translations.
QString qtTranslationsFolder();

// Qt's own texts (the message box's buttons, a text box's context menu) in
// Spanish, like every other text of the program, whatever the user's locale:
// loads qtbase_es.qm from `folder` into `app`, which owns the translator.
// Null, and Qt's texts stay English, when the translation is not there.
QTranslator* installSpanishQtTexts(QCoreApplication& app, const QString& folder = qtTranslationsFolder());

}  // namespace ui
