// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form1.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <vector>

#include "chart/chart_description.h"
#include "chart/chart_size.h"
#include "chart/grafica_indice.h"
#include "layout/layout.h"
#include "qt/qt_surface.h"
#include "qt/utf8.h"
#include "ui/chart_actions.h"
#include "ui/chart_readout.h"
#include "ui/command_button.h"
#include "ui/estimate_entry.h"
#include "ui/picture_box.h"
#include "ui/screen_picture.h"
#include "ui/spin_bar.h"

// The images live in the ui library; a static library's resources must be
// registered by hand, and only from the global namespace.
static void registerImages()
{
    Q_INIT_RESOURCE(images);
}

namespace ui {
namespace {

using layout::Colour;
using layout::Control;
using layout::Kind;
using layout::pixels;
using qt::fromUtf8;

// The design's faces are not on a free desktop; these metric-compatible or
// close faces come with the fonts packages the program installs.
QString familyOf(layout::Face face)
{
    switch (face) {
    case layout::Face::MsSansSerif:
    case layout::Face::Arial:
        return QStringLiteral("Liberation Sans");
    case layout::Face::ArialNarrow:
        return QStringLiteral("Liberation Sans Narrow");
    case layout::Face::BookmanOldStyle:
        return QStringLiteral("URW Bookman");
    }
    return {};
}

QColor colourOf(Colour colour, const QPalette& scheme, QColor kindDefault)
{
    switch (colour.system) {
    case Colour::System::KindDefault:
        return kindDefault;
    case Colour::System::ButtonFace:
        return scheme.color(QPalette::Window);
    case Colour::System::WindowText:
        return scheme.color(QPalette::WindowText);
    case Colour::System::Window:
        return scheme.color(QPalette::Base);
    case Colour::System::ActiveBorder:
        return scheme.color(QPalette::Mid);
    case Colour::System::Rgb:
        return QColor::fromRgb(colour.rgb);
    }
    return kindDefault;
}

constexpr int kSansStretch = 92;

QFont fontOf(const layout::Font& font)
{
    QFont qfont(familyOf(font.face));
    // The layout is fixed in pixels (15 twips each), so the text is too.
    qfont.setPixelSize(static_cast<int>(std::lround(runtime::pixelsOfPoints(font.points))));
    qfont.setWeight(static_cast<QFont::Weight>(font.weight));
    qfont.setItalic(font.italic);
    // The design's sans face is narrower than its stand-in; without this the
    // captions it was laid out for would lose their last word.
    // Set for every face, so that no control inherits the window's stretch.
    qfont.setStretch(font.face == layout::Face::MsSansSerif ? kSansStretch : QFont::AnyStretch);
    return qfont;
}

// The pictures are BMP and the icons PNG, which Qt reads itself. Told the
// format and not to guess, the reader goes straight to that decoder; left to
// guess (even with the format named) it would load and probe every image
// plugin first.
QImage readImage(const QString& path, const char* format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// The pictures are drawn as JPEG (the web page shows those); the window reads
// each one's copy as the JPEG decoded, a BMP of the same name in its resources.
QString decodedPicture(std::string_view jpeg)
{
    QString name = fromUtf8(jpeg);
    name.replace(QStringLiteral(".jpg"), QStringLiteral(".bmp"));
    return QStringLiteral(":/images/") + name;
}

QRect pixelRect(const layout::Control& row)
{
    const layout::Rect box = layout::pixelBox(row);
    return QRect(box.left, box.top, box.width, box.height);
}

}  // namespace

Form1::Form1(Form1Options options, QWidget* parent)
    : QWidget(parent)
    , options_(std::move(options))
{
    registerImages();
    if (!options_.messages)
        options_.messages = std::make_unique<MessageBoxSink>(this);
    setWindowTitle(fromUtf8(layout::kCaption));
    // Pixmaps given, not file names: from a name Qt would load and probe every
    // icon plugin (SVG among them) before the window shows.
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(readImage(QStringLiteral(":/images/icon32.png"), "png")));
    icon.addPixmap(QPixmap::fromImage(readImage(QStringLiteral(":/images/icon16.png"), "png")));
    setWindowIcon(icon);
    setFont(fontOf(layout::kWindowFont));
    setFixedSize(pixels(layout::kClientWidthTwips), pixels(layout::kClientHeightTwips));

    // A line box lays out its text in the application's font before it takes
    // its own: with the window's font as the application's meanwhile, that
    // layout reuses a face the window needs anyway instead of opening the
    // desktop's default one.
    const QFont desktopFont = QApplication::font();
    QApplication::setFont(font());
    build();
    QApplication::setFont(desktopFont);
    stack();
    orderTabs();
    Form_Load();
    c_.Text1->setFocus();
    connect(qApp, &QApplication::focusChanged, this, &Form1::frameDefaultButton);
}

// The chart's readout and menu watch the chart's events and read the form
// state; they go first, before the state and the surface they read. The focus
// watch goes too: closing the window moves the focus while QWidget tears down
// what is left, when this object is no longer a Form1.
Form1::~Form1()
{
    disconnect(qApp, &QApplication::focusChanged, this, &Form1::frameDefaultButton);
    delete readout_;
    delete chartActions_;
}

// The chart is a picture; its description says in words what it shows now.
void Form1::describeChart()
{
    c_.Indice->setAccessibleDescription(fromUtf8(chart::describeChart(state_, options_.decimalSeparator)));
}

// The readout and the menu follow the chart the user now sees.
void Form1::chartRedrawn(const chart::EscalaGrafica& scale)
{
    readout_->chartRedrawn(scale);
    chartActions_->chartRedrawn();
    describeChart();
}

QWidget* Form1::control(std::string_view name) const
{
    return byName_.value(fromUtf8(name), nullptr);
}

void Form1::build()
{
    createControls();
    surface_ = std::make_unique<qt::QtSurface>(chart::kChartWidthTwips, chart::kChartHeightTwips, devicePixelRatioF());
    // The box shows the chart's image from the first drawing on; until then
    // its own white background looks the same.
    describeChart();
    readout_ = new ChartReadout(c_.Indice, state_, options_.decimalSeparator);
    chartActions_ = new ChartActions({c_.Indice, &state_, surface_.get(), options_.decimalSeparator,
                                      options_.messages.get(), options_.fileCalls, options_.clock,
                                      options_.notificationBus});
    estimateEntry_ = new EstimateEntry(c_.Text1, options_.decimalSeparator);
    estimateEntry_->onShapeChosen([this](const std::optional<sky::DayShape>& shape) { useDayShape(shape); });
    connectHandlers();
}

// Every control of the layout table, in its order, and the ones the handlers use by name.
void Form1::createControls()
{
    for (const Control& row : layout::kControls) {
        QWidget* widget = create(row);
        widget->setObjectName(fromUtf8(row.name));
        widget->setGeometry(pixelRect(row));
        if (row.kind != Kind::Line)
            widget->setFont(fontOf(row.font));
        if (!row.accessibleName.empty())
            widget->setAccessibleName(fromUtf8(row.accessibleName));
        if (!row.accessibleDescription.empty())
            widget->setAccessibleDescription(fromUtf8(row.accessibleDescription));
        byName_.insert(widget->objectName(), widget);
    }

    auto get = [this]<typename T>(T*& slot, const char* name) { slot = qobject_cast<T*>(byName_.value(name)); };
    get(c_.Text1, "Text1");
    get(c_.Text2, "Text2");
    get(c_.Text3, "Text3");
    get(c_.Text4, "Text4");
    get(c_.Text5, "Text5");
    get(c_.Text6, "Text6");
    get(c_.Text7, "Text7");
    get(c_.VScroll1, "VScroll1");
    get(c_.VScroll2, "VScroll2");
    get(c_.VScroll3, "VScroll3");
    get(c_.VScroll4, "VScroll4");
    get(c_.Command1, "Command1");
    get(c_.Command2, "Command2");
    get(c_.Command3, "Command3");
    get(c_.Label4, "Label4");
    get(c_.Indice, "Indice");
}

void Form1::connectHandlers()
{
    connect(c_.VScroll1, &SpinBar::Change, this, &Form1::VScroll1_Change);
    connect(c_.VScroll2, &SpinBar::Change, this, &Form1::VScroll2_Change);
    connect(c_.VScroll3, &SpinBar::Change, this, &Form1::VScroll3_Change);
    connect(c_.VScroll4, &SpinBar::Change, this, &Form1::VScroll4_Change);
    // A step starts from what the user typed in the box the bar's row names.
    for (SpinBar* bar : {c_.VScroll1, c_.VScroll2, c_.VScroll3, c_.VScroll4}) {
        const layout::Control& row = *layout::find(bar->objectName().toStdString());
        bar->stepFrom(qobject_cast<QLineEdit*>(control(row.spinner.box)), options_.decimalSeparator);
    }
    connect(c_.Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(c_.Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(c_.Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
}

QWidget* Form1::create(const Control& row)
{
    switch (row.kind) {
    case Kind::Label:
        return createLabel(row);
    case Kind::TextBox: {
        auto* box = new QLineEdit(fromUtf8(row.text), this);
        box->setFocusPolicy(Qt::StrongFocus);
        return box;
    }
    case Kind::CommandButton: {
        auto* button = new CommandButton(fromUtf8(row.text), this);
        button->setFocusPolicy(Qt::StrongFocus);
        // Enter on a focused button presses that button; elsewhere the
        // window sends it to the default button (keyPressEvent).
        button->setAutoDefault(true);
        button->setDefault(row.isDefault);
        return button;
    }
    case Kind::VScrollBar: {
        auto* bar = new SpinBar(this);
        bar->setFocusPolicy(Qt::StrongFocus);
        return bar;
    }
    case Kind::PictureBox:
        return createPictureBox(row);
    case Kind::Line:
        return createLine(row);
    }
    return nullptr;
}

QWidget* Form1::createLabel(const Control& row)
{
    const QPalette scheme = palette();
    auto* label = new QLabel(fromUtf8(row.text), this);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | (row.alignment == layout::Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft));
    QPalette colours = scheme;
    colours.setColor(QPalette::WindowText, colourOf(row.foreground, scheme, scheme.color(QPalette::WindowText)));
    colours.setColor(QPalette::Window, colourOf(row.background, scheme, scheme.color(QPalette::Window)));
    label->setPalette(colours);
    label->setAutoFillBackground(true);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

// A picture box: the chart's, or one showing its row's embedded image.
QWidget* Form1::createPictureBox(const Control& row)
{
    const QPalette scheme = palette();
    auto* box = new PictureBox(colourOf(row.background, scheme, scheme.color(QPalette::Window)), this);
    if (!row.image.empty()) {
        QImage& image = pictures_[fromUtf8(row.name)];
        image = readScreenPicture(decodedPicture(row.image), "bmp", devicePixelRatioF());
        box->showImage(&image);
        box->setFocusHalo(true);
    }
    return box;
}

QWidget* Form1::createLine(const Control& row)
{
    const QPalette scheme = palette();
    auto* line = new QWidget(this);
    QPalette colours = scheme;
    colours.setColor(QPalette::Window, colourOf(row.foreground, scheme, scheme.color(QPalette::WindowText)));
    line->setPalette(colours);
    line->setAutoFillBackground(true);
    line->setFocusPolicy(Qt::NoFocus);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    return line;
}

// Later siblings paint over earlier ones: raise from the bottom of each list
// up, decoration first, so every windowed control ends above every label.
void Form1::stack()
{
    for (auto name = layout::kDecorStacking.rbegin(); name != layout::kDecorStacking.rend(); ++name)
        control(*name)->raise();
    for (auto name = layout::kWindowedStacking.rbegin(); name != layout::kWindowedStacking.rend(); ++name)
        control(*name)->raise();
}

// Only controls that take the focus join the chain; labels and lines stay out.
void Form1::orderTabs()
{
    std::vector<const Control*> rows;
    for (const Control& row : layout::kControls) {
        if (row.tabIndex != layout::kNoTabIndex && control(row.name)->focusPolicy() != Qt::NoFocus)
            rows.push_back(&row);
    }
    std::sort(rows.begin(), rows.end(), [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < rows.size(); ++i)
        setTabOrder(control(rows[i - 1]->name), control(rows[i]->name));
}

// The window may open on, or later move to, a screen of another pixel ratio
// than the one the chart surface was made for.
void Form1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (QWindow* handle = windowHandle(); handle && !followsScreen_) {
        connect(handle, &QWindow::screenChanged, this, &Form1::followScreenRatio);
        followsScreen_ = true;
    }
    followScreenRatio();
}

void Form1::followScreenRatio()
{
    if (devicePixelRatioF() == surface_->devicePixelRatio())
        return;
    surface_->setDevicePixelRatio(devicePixelRatioF());
    // Drawn again rather than kept rescaled, so it is as sharp as on the first screen.
    if (state_.NumPuntos)
        chart::GraficaIndice(state_, *surface_, chart::kFormScaleHeight, options_.decimalSeparator);
    c_.Indice->showImage(&surface_->image());
    // The pictures too, as drawn for the new ratio.
    for (auto& [name, image] : pictures_) {
        image = readScreenPicture(decodedPicture(layout::find(name.toStdString())->image), "bmp", devicePixelRatioF());
        control(name.toStdString())->update();
    }
}

// Outside a dialog Qt takes the default-button frame from "Calcular" for good
// once another button has had the focus. Here it behaves as in a dialog: the
// focused button shows the frame, and when no button has the focus "Calcular"
// shows it again (Enter runs it from there).
void Form1::frameDefaultButton()
{
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    c_.Command1->setDefault(!button || button == c_.Command1);
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A focused button has taken its own Enter; anything else means "Calcular".
        c_.Command1->click();
        return;
    case Qt::Key_Escape:
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

}  // namespace ui
