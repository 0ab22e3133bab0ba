// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt_spanish.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ui {

QString qtTranslationsFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

QTranslator* installSpanishQtTexts(QCoreApplication& app, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_es"), folder) && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

}  // namespace ui
