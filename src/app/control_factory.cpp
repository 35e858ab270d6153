#include "app/control_factory.h"

#include "app/controls/chameleon_button_widget.h"
#include "app/controls/uc_histogram_widget.h"
#include "app/controls/xp_progress_bar_widget.h"

namespace quorvex {

namespace {

// The number at the end of a control's name ("XP_ProgressBar3" gives 3), or 0.
int trailingNumber(const QString& name) {
    qsizetype start = name.size();
    while (start > 0 && name.at(start - 1).isDigit()) --start;
    return start < name.size() ? name.mid(start).toInt() : 0;
}

}  // namespace

ControlFactory defaultControlFactory() {
    ControlFactory factory;
    factory.histogram = [](QWidget* parent, const QString& name) {
        ucHistogram* graph =
            trailingNumber(name) == 2 ? makeUcHistogram2(parent) : makeUcHistogram1(parent);
        graph->setObjectName(name);
        return HistogramControl{graph, graph};
    };
    factory.progressBar = [](QWidget* parent, const layout::Bar& design) {
        XP_ProgressBar* bar = makeXP_ProgressBar(design, parent);
        return BarControl{bar, bar};
    };
    factory.pushButton = [](QWidget* parent, const layout::Button& design,
                            std::function<void()> onClick) -> QWidget* {
        chameleonButton* button = makeChameleonButton(design, parent);
        QObject::connect(button, &chameleonButton::Click, button, [onClick = std::move(onClick)] {
            if (onClick) onClick();
        });
        return button;
    };
    return factory;
}

}  // namespace quorvex
