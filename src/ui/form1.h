// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <string_view>

#include "model/calcular.h"
#include "model/curve.h"
#include "model/form_state.h"
#include "sky/day_shape.h"
#include "ui/message_sink.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace qt {
class QtSurface;
}

namespace runtime {
class FileCalls;
}

namespace layout {
struct Control;
}

namespace chart {
struct EscalaGrafica;
}

namespace ui {

class ChartActions;
class ChartReadout;
class EstimateEntry;
class PictureBox;
class SpinBar;

// The controls the handlers read and write; every other control is decoration.
struct Form1Controls {
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text7 = nullptr;
    SpinBar* VScroll1 = nullptr;
    SpinBar* VScroll2 = nullptr;
    SpinBar* VScroll3 = nullptr;
    SpinBar* VScroll4 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* Label4 = nullptr;
    PictureBox* Indice = nullptr;
};

struct Form1Options {
    // The user's decimal separator, for reading the boxes and showing numbers.
    char decimalSeparator = '.';
    std::string dataFilePath = "datos.dat";
    // Null: modal message boxes over the window.
    std::unique_ptr<MessageSink> messages;
    // Null: the real system calls. Not owned.
    runtime::FileCalls* fileCalls = nullptr;
    // The time now, in seconds since 1970 UT, for the stay's reminders and
    // calendar. Null: the system's clock.
    std::function<long long()> clock;
    // Where the reminders' notifications go: a D-Bus address; empty: the session bus.
    QString notificationBus;
};

// The program's one window: 38 controls at fixed places, built from the
// layout table, and the handlers of its eight events.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(Form1Options options = {}, QWidget* parent = nullptr);
    ~Form1() override;

    const Form1Controls& controls() const { return c_; }
    // Any of the 38 controls by its name; null for an unknown name.
    QWidget* control(std::string_view name) const;
    const qt::QtSurface& surface() const { return *surface_; }
    const model::FormState& state() const { return state_; }
    ChartReadout& chartReadout() const { return *readout_; }
    ChartActions& chartActions() const { return *chartActions_; }
    EstimateEntry& estimateEntry() const { return *estimateEntry_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void build();
    void stack();
    void orderTabs();
    QWidget* create(const layout::Control& row);
    QWidget* createLabel(const layout::Control& row);
    QWidget* createPictureBox(const layout::Control& row);
    QWidget* createLine(const layout::Control& row);
    void createControls();
    void connectHandlers();
    void describeChart();
    void chartRedrawn(const chart::EscalaGrafica& scale);
    void followScreenRatio();
    void frameDefaultButton();

    void Form_Load();
    void VScroll1_Change();
    void VScroll2_Change();
    void VScroll3_Change();
    void VScroll4_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void showExposure(const std::string& caption, const std::string& protection);
    void useDayShape(const std::optional<sky::DayShape>& shape);

    Form1Options options_;
    Form1Controls c_;
    QHash<QString, QWidget*> byName_;
    std::map<QString, QImage> pictures_;  // by picture box; the boxes show them in place
    std::unique_ptr<qt::QtSurface> surface_;
    model::FormState state_;
    ChartReadout* readout_ = nullptr;       // children of the chart surface
    ChartActions* chartActions_ = nullptr;
    EstimateEntry* estimateEntry_ = nullptr;  // Text1's child
    // The bell, as the window always starts, or the sun's shape once chosen.
    model::DaySampler daySampler_ = model::sampleCurve;
    bool followsScreen_ = false;
};

}  // namespace ui
