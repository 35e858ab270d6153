#pragma once

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <tuple>
#include <vector>

#include "app/control_factory.h"
#include "app/qt_event_pump.h"
#include "platform/event_pump.h"

namespace quorvex::test {

// A graph that records every sample it is fed.
class RecordingGraph : public QWidget, public SampleSink {
  public:
    using QWidget::QWidget;
    void NextPoint(std::int32_t value) override { samples.push_back(value); }
    std::vector<std::int32_t> samples;
};

class RecordingBar : public QWidget, public BarSink {
  public:
    using QWidget::QWidget;
    bool setValue(std::int32_t value) override {
        values.push_back(value);
        return true;
    }
    std::vector<std::int32_t> values;
};

// Controls that tests can look into.
struct RecordingControls {
    RecordingGraph* graph1 = nullptr;
    RecordingGraph* graph2 = nullptr;

    ControlFactory factory() {
        ControlFactory f;
        f.histogram = [this](QWidget* parent, const QString& name) {
            auto* graph = new RecordingGraph(parent);
            graph->setObjectName(name);
            (graph1 ? graph2 : graph1) = graph;
            return HistogramControl{graph, graph};
        };
        f.progressBar = [](QWidget* parent, const layout::Bar& design) {
            auto* bar = new RecordingBar(parent);
            bar->setObjectName(QLatin1String(design.name));
            bar->setGeometry(design.rect.x, design.rect.y, design.rect.width, design.rect.height);
            return BarControl{bar, bar};
        };
        f.pushButton = [](QWidget* parent, const layout::Button& design,
                          std::function<void()> onClick) -> QWidget* {
            auto* button = new QPushButton(QLatin1String(design.caption), parent);
            button->setObjectName(QLatin1String(design.name));
            button->setGeometry(design.rect.x, design.rect.y, design.rect.width,
                                design.rect.height);
            QObject::connect(button, &QPushButton::clicked, button, [onClick] { onClick(); });
            return button;
        };
        return f;
    }
};

// Counts the event pumps and runs a hook at each, so a test can act "during" a loop.
class ScriptedPump : public EventPump {
  public:
    void processEvents() override {
        ++calls;
        if (onPump) onPump(calls);
    }
    int calls = 0;
    std::function<void(int)> onPump;
};

// Lets Qt deliver events for real (timers, painting): the program's own pump.
using QtPump = QtEventPump;

// Pointer movement and a left click, delivered straight to the widget.
inline void movePointer(QWidget* widget, QPoint at = QPoint(2, 2)) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

inline void click(QWidget* widget, QPoint at = QPoint(2, 2)) {
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

// A throwaway home for the duration of a test, so nothing can reach the user's files.
class ScratchHome {
  public:
    ScratchHome() {
        for (const char* name :
             {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "APPDATA"}) {
            saved_.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
            qputenv(name, dir_.path().toUtf8() + '/' + name);
        }
    }
    ~ScratchHome() {
        for (const auto& [name, wasSet, value] : saved_) {
            if (wasSet)
                qputenv(name, value);
            else
                qunsetenv(name);
        }
    }

  private:
    QTemporaryDir dir_;
    std::vector<std::tuple<const char*, bool, QByteArray>> saved_;
};

}  // namespace quorvex::test
