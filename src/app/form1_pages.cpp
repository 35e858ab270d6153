// The contents of the window's pages: the home icons, the settings pages bound to the window
// model, and the monitor page's labels, graphs and bars.
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>
#include <vector>

#include "app/art_picture.h"
#include "app/form1.h"
#include "app/model_binder.h"
#include "app/page_panel.h"
#include "app/window_fonts.h"
#include "model/choice_display.h"
#include "model/firefox_elements.h"
#include "model/frame_description.h"
#include "model/frame_elements.h"
#include "model/monitor_description.h"
#include "model/monitor_elements.h"
#include "model/settings_description.h"
#include "model/window_model.h"
#include "shell/main_window_commands.h"
#include "tuning/advanced_choices.h"
#include "tuning/connection_catalogue.h"

namespace quorvex {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString art(const QString& name) {
    return QStringLiteral(":/artwork/") + name + QStringLiteral(".svg");
}

QRect rectOf(const layout::Rect& r) {
    return {r.x, r.y, r.width, r.height};
}

QColor colourOf(ColorRef c) {
    return QColor(static_cast<int>(colour::red(c)), static_cast<int>(colour::green(c)),
                  static_cast<int>(colour::blue(c)));
}

QFont fontOf(const layout::Font& f) {
    if (std::string_view(f.face) == "Tahoma") return tahoma(f.points, f.bold);
    // Verdana where it is installed, a close stand-in elsewhere.
    QFont font;
    font.setFamilies({QLatin1String(f.face), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(f.points);
    return font;
}

QLabel* label(const QString& text, QWidget* parent, bool bold = false) {
    auto* l = new QLabel(text, parent);
    l->setFont(tahoma(8.25, bold));
    return l;
}

QLabel* textLabel(const layout::Text& t, QWidget* parent) {
    auto* l = new QLabel(QLatin1String(t.text), parent);
    l->setFont(fontOf(t.font));
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, colourOf(t.colour));
    l->setPalette(palette);
    l->setAlignment(t.align == layout::Align::Centre ? Qt::AlignCenter
                                                     : Qt::AlignLeft | Qt::AlignVCenter);
    l->setGeometry(rectOf(t.rect));
    return l;
}

QVBoxLayout* tightColumn() {
    auto* column = new QVBoxLayout;
    column->setSpacing(1);
    column->setContentsMargins(0, 0, 0, 0);
    return column;
}

}  // namespace

void Form1::buildHomePage() {
    const layout::Page& description = layout::kPageTable.front();
    PagePanel* home = page(QLatin1String(description.name), colourOf(description.fill.colour),
                           rectOf(description.rect));
    home->show();
    QPalette captionPalette = home->palette();
    captionPalette.setColor(QPalette::WindowText, colourOf(layout::kCaptionGrey));
    for (const auto& icon : layout::kHomeIconTable) {
        const QString artName = QLatin1String(icon.art);
        // The resting picture, made second, lies above; the first movement over it reveals
        // the highlighted one, which takes the click.
        ArtPicture* highlighted =
            picture(QLatin1String(icon.highlighted),
                    art(artName + QLatin1String(layout::kHoverArt)), rectOf(icon.picture), home);
        picture(QLatin1String(icon.resting), art(artName), rectOf(icon.picture), home);
        clickable(highlighted, icon.caption);

        auto* caption = new QLabel(QLatin1String(icon.caption), home);
        caption->setFont(fontOf(layout::kIconCaptionFont));
        caption->setPalette(captionPalette);
        caption->setAlignment(Qt::AlignCenter);
        caption->setGeometry(
            rectOf(icon.captionRect).adjusted(-layout::kCaptionSlack, 0, layout::kCaptionSlack, 2));
    }

    auto* prompt = new QLabel(QLatin1String(layout::kConnectionPrompt.text), home);
    prompt->setPalette(captionPalette);
    prompt->setGeometry(rectOf(layout::kConnectionPrompt.rect));
    QComboBox* combo3 = binder_->list(layout::kConnectionListPlace.name, home);
    combo3->setGeometry(rectOf(layout::kConnectionListPlace.rect));
    remember(combo3);
}

void Form1::buildPages() {
    const QColor systemWindow = palette().color(QPalette::Base);
    auto option = [this](std::string_view name, const QString& caption, QWidget* parent) {
        QRadioButton* button = binder_->option(std::string(name), caption, parent);
        button->setFont(tahoma(8.25));
        remember(button);
        return button;
    };
    auto list = [this](const char* name, QWidget* parent) {
        QComboBox* combo = binder_->list(name, parent);
        combo->setFont(tahoma(8.25));
        remember(combo);
        return combo;
    };
    auto groupColumn = [&](const AdvancedGroup& group, QWidget* parent, bool enabledFirst) {
        QVBoxLayout* column = tightColumn();
        column->addWidget(label(qs(group.heading), parent, true));
        for (const AdvancedChoice* choice : layout::displayOrder(group, enabledFirst))
            column->addWidget(option(choice->control, qs(layout::markedCaption(*choice)), parent));
        return column;
    };
    auto panelFor = [&](const char* name) {
        for (const layout::Page& p : layout::kPageTable)
            if (std::string_view(p.name) == name)
                return page(QLatin1String(name), systemWindow, rectOf(p.rect));
        return static_cast<PagePanel*>(nullptr);
    };

    // Internet Settings: the connection kinds by group, and the QoS reservation.
    {
        PagePanel* panel = panelFor(frame::kInternetPage);
        // 27 choices in three columns: a smaller size keeps the longest captions whole.
        panel->setStyleSheet(QStringLiteral("QRadioButton { spacing: 3px; }"));
        auto* grid = new QGridLayout(panel);
        grid->setContentsMargins(6, 5, 4, 5);
        grid->setHorizontalSpacing(4);
        grid->setVerticalSpacing(0);
        auto connectionOption = [&](const ConnectionType& entry) {
            QRadioButton* button = option(entry.optionControl, qs(entry.caption), panel);
            button->setFont(tahoma(7.5));
            return button;
        };
        auto groupBox = [&](ConnectionGroup group, QVBoxLayout* into) {
            QLabel* heading = label(qs(groupHeading(group)), panel, true);
            heading->setFont(tahoma(7.5, true));
            into->addWidget(heading);
            for (const auto& entry : connectionCatalogue())
                if (entry.group == group) into->addWidget(connectionOption(entry));
        };
        QVBoxLayout* left = tightColumn();
        groupBox(ConnectionGroup::DslOrCable, left);
        left->addStretch();
        QVBoxLayout* middle = tightColumn();
        groupBox(ConnectionGroup::Wireless, middle);
        middle->addSpacing(4);
        groupBox(ConnectionGroup::Satellite, middle);
        middle->addStretch();
        QVBoxLayout* right = tightColumn();
        groupBox(ConnectionGroup::DialUp, right);
        right->addSpacing(4);
        groupBox(ConnectionGroup::ClosedNetworks, right);
        right->addSpacing(4);
        right->addWidget(connectionOption(connectionType(ConnectionKind::RestoreDefaults)));
        right->addStretch();
        grid->addLayout(left, 0, 0);
        grid->addLayout(middle, 0, 1);
        grid->addLayout(right, 0, 2);

        auto* qos = new QHBoxLayout;
        qos->setSpacing(4);
        qos->addWidget(label(QStringLiteral("Bandwidth Reserved For QoS:"), panel, true));
        qos->addWidget(list(names::kQosList, panel));
        qos->addWidget(label(QStringLiteral("%"), panel));
        qos->addWidget(label(QStringLiteral("(Recommended: 0%) (Default: 20%)"), panel));
        qos->addStretch();
        grid->addLayout(qos, 1, 0, 1, 3);
    }

    // Advanced Settings: five groups, the time to live and the receive window.
    {
        PagePanel* panel = panelFor(frame::kAdvancedPage);
        auto* grid = new QGridLayout(panel);
        grid->setContentsMargins(8, 6, 8, 6);
        grid->setHorizontalSpacing(12);
        grid->setVerticalSpacing(5);
        grid->addLayout(groupColumn(layout::groupNamed("FastCopyReceiveThreshold"), panel, false),
                        0, 0);
        grid->addLayout(groupColumn(layout::groupNamed("SackOpts"), panel, false), 1, 0);
        grid->addLayout(groupColumn(layout::groupNamed("MaxDupAcks"), panel, false), 2, 0);
        grid->addLayout(groupColumn(layout::groupNamed("FastSendDatagramThreshold"), panel, false),
                        0, 1);
        grid->addLayout(groupColumn(layout::groupNamed("Tcp1323Opts"), panel, false), 1, 1, 2, 1);

        const AdvancedGroup& ttl = layout::groupNamed(layout::kTtlGroup);
        auto* ttlRow = new QHBoxLayout;
        ttlRow->setSpacing(6);
        ttlRow->addWidget(label(qs(ttl.heading), panel, true));
        for (const auto& choice : ttl.choices)
            ttlRow->addWidget(option(choice.control, qs(layout::markedCaption(choice)), panel));
        ttlRow->addStretch();
        grid->addLayout(ttlRow, 3, 0, 1, 2);

        auto* rwinRow = new QHBoxLayout;
        rwinRow->setSpacing(6);
        rwinRow->addWidget(label(QLatin1String(layout::kRwinCaption), panel, true));
        QLabel* rwin =
            label(QString::fromStdString(model_.controls().text(names::kRwinValue)), panel);
        rwin->setObjectName(QLatin1String(names::kRwinValue));
        remember(rwin);
        binder_->bindText(names::kRwinValue, rwin);
        rwinRow->addWidget(rwin);
        rwinRow->addStretch();
        grid->addLayout(rwinRow, 4, 0, 1, 2);
        grid->setRowStretch(5, 1);
    }

    // Local Area Network: three Enabled / Disabled choices.
    {
        PagePanel* panel = panelFor(frame::kLanPage);
        auto* column = new QVBoxLayout(panel);
        column->setContentsMargins(12, 10, 12, 10);
        column->setSpacing(10);
        for (const char* id : layout::kLanGroups)
            column->addLayout(groupColumn(layout::groupNamed(id), panel, true));
        column->addStretch();
    }

    // Internet Explorer: connections per server for HTTP 1.0 and 1.1.
    {
        PagePanel* panel = panelFor(frame::kExplorerPage);
        auto* column = new QVBoxLayout(panel);
        column->setContentsMargins(12, 12, 12, 10);
        column->setSpacing(4);
        for (const layout::HttpRow& http : layout::kHttpRows) {
            column->addWidget(label(QLatin1String(http.heading), panel, true));
            auto* row = new QHBoxLayout;
            row->addWidget(label(QLatin1String(layout::kSimultaneousCaption), panel));
            row->addWidget(list(http.list, panel));
            row->addWidget(label(QLatin1String(http.hint), panel));
            row->addStretch();
            column->addLayout(row);
            column->addSpacing(layout::kHttpRowGap);
        }
        column->addStretch();
    }

    // Mozilla Firefox: the current configuration, its preference text and the two switches.
    {
        PagePanel* panel = panelFor(frame::kFirefoxPage);
        QLabel* current = label(QLatin1String(layout::kCurrentConfiguration), panel, true);
        current->setObjectName(QLatin1String(firefox::kCurrentCaption));
        const QRect currentRect = rectOf(layout::kCurrentCaptionRect);
        current->setGeometry(currentRect.x(), currentRect.y(), current->sizeHint().width(),
                             currentRect.height());
        remember(current);
        for (const layout::FirefoxState& s : layout::kFirefoxStates) {
            QLabel* state = label(QLatin1String(s.text), panel);
            state->setObjectName(QLatin1String(s.name));
            QRect rect = rectOf(layout::kFirefoxStateRect);
            rect.moveLeft(current->geometry().right() + 1);
            state->setGeometry(rect);
            remember(state);
            binder_->bindVisible(s.name, state);
        }
        for (const char* name : layout::kFirefoxTexts) {
            auto* text = new QPlainTextEdit(panel);
            text->setObjectName(QLatin1String(name));
            text->setReadOnly(true);
            text->setLineWrapMode(QPlainTextEdit::NoWrap);
            text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            text->setFont(tahoma(8.25));
            text->setGeometry(rectOf(layout::kFirefoxTextRect));
            remember(text);
            binder_->bindText(name, text);
            binder_->bindVisible(name, text);
        }
        for (const layout::Button& b : layout::kFirefoxButtons) {
            const bool enable = std::string_view(b.name) == firefox::kEnableButton;
            QWidget* button = factory_.pushButton(panel, QLatin1String(b.name),
                                                  QLatin1String(b.caption), [this, enable] {
                                                      if (enable)
                                                          commands_.enableOptimizedFirefox();
                                                      else
                                                          commands_.disableOptimizedFirefox();
                                                  });
            button->setGeometry(rectOf(b.rect));
            button->setAccessibleName(QLatin1String(b.caption));
            button->setToolTip(button->accessibleName());
            remember(button);
            binder_->bindEnabled(b.name, button);
        }
    }
}

void Form1::buildMonitorPage() {
    const layout::Page& description = layout::kPageTable.back();
    PagePanel* panel = page(QLatin1String(description.name), colourOf(description.fill.colour),
                            rectOf(description.rect));
    for (const layout::Text& t : layout::kMonitorTexts) {
        QLabel* l = textLabel(t, panel);
        if (t.name) {
            l->setObjectName(QLatin1String(t.name));
            remember(l);
            binder_->bindText(t.name, l);
        }
    }
    for (const layout::Rule& line : layout::kMonitorRules) {
        auto* rule = new QWidget(panel);
        rule->setGeometry(rectOf(line.rect));
        QPalette palette = rule->palette();
        palette.setColor(QPalette::Window, colourOf(line.colour));
        rule->setPalette(palette);
        rule->setAutoFillBackground(true);
    }
    HistogramControl* graphs[2] = {&histogram1_, &histogram2_};
    for (std::size_t i = 0; i < layout::kMonitorGraphs.size(); ++i) {
        const layout::Graph& graph = layout::kMonitorGraphs[i];
        *graphs[i] = factory_.histogram(panel, QLatin1String(graph.name));
        graphs[i]->widget->setGeometry(rectOf(graph.rect));
    }
    for (std::size_t i = 0; i < layout::kMonitorBars.size(); ++i) {
        const layout::Bar& bar = layout::kMonitorBars[i];
        bars_[i] = factory_.progressBar(panel, QLatin1String(bar.name));
        bars_[i].widget->setGeometry(rectOf(bar.rect));
        remember(bars_[i].widget);
    }
    remember(histogram1_.widget);
    remember(histogram2_.widget);
}

}  // namespace quorvex
