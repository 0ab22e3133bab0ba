#include <QApplication>

#include "ui/decimal_separator.h"
#include "ui/form1.h"
#include "ui/qt_spanish.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ui::installSpanishQtTexts(app);
    ui::Form1Options options;
    options.decimalSeparator = ui::systemDecimalSeparator();
    ui::Form1 window(std::move(options));
    window.show();
    return app.exec();
}
