// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real message boxes: modal, OK only, titled with the window's caption,
// with Qt's own texts in Spanish. A watchdog answers them, and fails the test
// instead of letting it hang.
#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "ui/qt_spanish.h"

#include "window_fixture.h"

namespace {

struct Seen {
    bool shown = false;
    QString title;
    QString text;
    bool modal = false;
    int buttons = 0;
    QString buttonText;
    bool hasIcon = false;
    bool windowVisibleBehind = false;
};

// Clicks OK on the next modal box and notes what it showed.
void answerNextBox(Seen& seen, QWidget* owner)
{
    QTimer::singleShot(0, [&seen, owner] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            // Not up yet: look again shortly; the overall timeout below still applies.
            answerNextBox(seen, owner);
            return;
        }
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.modal = box->isModal();
        seen.buttons = static_cast<int>(box->buttons().size());
        seen.buttonText = box->button(QMessageBox::Ok)->text();
        seen.hasIcon = box->icon() != QMessageBox::NoIcon;
        seen.windowVisibleBehind = owner->isVisible() && box->parentWidget() == owner;
        box->button(QMessageBox::Ok)->click();
    });
}

// Closes any box still open after a while, so a wrong box fails the test rather than blocking it.
void watchdog()
{
    QTimer::singleShot(5000, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a modal box stayed open";
            modal->close();
        }
    });
}

TEST(MessageBoxSink, SkinTypeMessageIsAPlainModalBoxWithOK)
{
    QWidget owner;
    owner.setWindowTitle("Indice UV");
    owner.show();
    ui::MessageBoxSink sink(&owner);
    Seen seen;
    answerNextBox(seen, &owner);
    watchdog();
    sink.inform(owner.windowTitle(), " Por favor ingrese nuevamente el tipo de piel");

    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "Indice UV");
    EXPECT_EQ(seen.text, " Por favor ingrese nuevamente el tipo de piel");
    EXPECT_TRUE(seen.modal);
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_EQ(seen.buttonText, "Aceptar");
    EXPECT_FALSE(seen.hasIcon);
    EXPECT_TRUE(seen.windowVisibleBehind);
}

TEST(MessageBoxSink, WarningsCarryAWarningIcon)
{
    QWidget owner;
    owner.show();
    ui::MessageBoxSink sink(&owner);
    Seen seen;
    answerNextBox(seen, &owner);
    watchdog();
    sink.warn("Indice UV", "«Tipo de piel»: «x» no es un número válido.");
    ASSERT_TRUE(seen.shown);
    EXPECT_TRUE(seen.hasIcon);
    EXPECT_EQ(seen.buttons, 1);
}

// The window's own boxes, end to end: Label4 is left as it was.
TEST(Form1MessageBox, SkinTypeBoxShowsOverTheWindowAndLabel4Stays)
{
    QTemporaryDir folder;
    ui::Form1Options options;
    options.dataFilePath = folder.filePath("datos.dat").toStdString();
    ui::Form1 window(std::move(options));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.controls().Text4->setText("7");

    Seen seen;
    answerNextBox(seen, &window);
    watchdog();
    QTest::mouseClick(window.controls().Command1, Qt::LeftButton);

    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "Indice UV");
    EXPECT_EQ(seen.text, " Por favor ingrese nuevamente el tipo de piel");
    EXPECT_TRUE(window.controls().Label4->text().isEmpty());
}

// Qt's own menu on a text box, without its accelerator marks and keys.
QStringList contextMenuTexts()
{
    QLineEdit box(QStringLiteral("10"));
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator())
            texts << action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    }
    return texts;
}

// Whatever the locale the tests run in.
TEST(QtOwnTexts, ATextBoxContextMenuIsSpanish)
{
    ASSERT_NE(uitest::qtSpanish, nullptr) << "qtbase_es.qm not found in " << ui::qtTranslationsFolder().toStdString();
    EXPECT_EQ(contextMenuTexts(),
              (QStringList{"Deshacer", "Rehacer", "Cortar", "Copiar", "Pegar", "Borrar", "Seleccionar todo"}));
}

TEST(QtOwnTexts, WithoutTheTranslationQtStaysEnglish)
{
    ASSERT_TRUE(QCoreApplication::removeTranslator(uitest::qtSpanish));
    QTemporaryDir empty;
    EXPECT_EQ(ui::installSpanishQtTexts(*QCoreApplication::instance(), empty.path()), nullptr);
    const QStringList texts = contextMenuTexts();
    QCoreApplication::installTranslator(uitest::qtSpanish);
    EXPECT_TRUE(texts.contains("Undo") && texts.contains("Paste")) << texts.join(", ").toStdString();
}

}  // namespace
