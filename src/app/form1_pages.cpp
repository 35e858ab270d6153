// The contents of the window's pages: the home icons, the settings pages bound to the window
// model, and the monitor page's labels, graphs and bars.
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/art_picture.h"
#include "app/caption_label.h"
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

QLabel* label(const QString& text, QWidget* parent, const layout::Font& font) {
    auto* l = new QLabel(text, parent);
    l->setFont(fontOf(font));
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

template <typename Layout>
Layout* flowing(Layout* layout, const layout::Flow& flow) {
    layout->setContentsMargins(flow.left, flow.top, flow.right, flow.bottom);
    return layout;
}

QGridLayout* gridOf(QWidget* panel, const layout::Flow& flow) {
    auto* grid = flowing(new QGridLayout(panel), flow);
    grid->setHorizontalSpacing(flow.horizontalSpacing);
    grid->setVerticalSpacing(flow.verticalSpacing);
    return grid;
}

QVBoxLayout* columnOf(QWidget* panel, const layout::Flow& flow) {
    auto* column = flowing(new QVBoxLayout(panel), flow);
    column->setSpacing(flow.verticalSpacing);
    return column;
}

QHBoxLayout* rowSpaced(int spacing) {
    auto* row = new QHBoxLayout;
    row->setSpacing(spacing);
    return row;
}

}  // namespace

void Form1::buildHomePage() {
    const layout::Page& description = layout::kPageTable.front();
    PagePanel* home = page(QLatin1String(description.name), colourOf(description.fill.colour),
                           rectOf(description.rect));
    home->show();
    for (const auto& icon : layout::kHomeIconTable) {
        const QString artName = QLatin1String(icon.art);
        // The resting picture, made second, lies above; the first movement over it reveals
        // the highlighted one, which takes the click.
        ArtPicture* highlighted =
            picture(QLatin1String(icon.highlighted),
                    art(artName + QLatin1String(layout::kHoverArt)), rectOf(icon.picture), home);
        picture(QLatin1String(icon.resting), art(artName), rectOf(icon.picture), home);
        clickable(highlighted, icon.caption);
    }
    makeLater(home, [this, home] { buildHomeTexts(home); });
}

// The captions under the icons and the connection list: measured text, made when the window first
// shows rather than behind the splash.
void Form1::buildHomeTexts(PagePanel* home) {
    const int pageWidth = layout::kPageTable.front().rect.width;
    QPalette captionPalette = home->palette();
    captionPalette.setColor(QPalette::WindowText, colourOf(layout::kCaptionGrey));
    for (const auto& icon : layout::kHomeIconTable) {
        auto* caption = new CaptionLabel(QLatin1String(icon.caption), home);
        caption->setFont(fontOf(layout::kIconCaptionFont));
        caption->setPalette(captionPalette);
        caption->setAlignment(Qt::AlignCenter);
        const int textWidth = caption->fontMetrics().horizontalAdvance(caption->text()) +
                              (caption->overstruck() ? 1 : 0);
        caption->setGeometry(rectOf(layout::captionArea(icon.captionRect, pageWidth, textWidth)));
    }

    auto* prompt = new QLabel(QLatin1String(layout::kConnectionPrompt.text), home);
    prompt->setPalette(captionPalette);
    prompt->setGeometry(rectOf(layout::kConnectionPrompt.rect));
    QComboBox* combo3 = binder_->list(layout::kConnectionListPlace.name, home);
    combo3->setGeometry(rectOf(layout::kConnectionListPlace.rect));
    remember(combo3);
}

QRadioButton* Form1::option(std::string_view name, const std::string& caption, QWidget* parent,
                            const layout::Font& font) {
    QRadioButton* button = binder_->option(std::string(name), qs(caption), parent);
    button->setFont(fontOf(font));
    remember(button);
    return button;
}

QComboBox* Form1::list(const char* name, QWidget* parent) {
    QComboBox* combo = binder_->list(name, parent);
    combo->setFont(fontOf(layout::kPageFont));
    remember(combo);
    return combo;
}

// A bold heading over the group's choices, one below the other.
QVBoxLayout* Form1::groupColumn(const AdvancedGroup& group, QWidget* parent, bool enabledFirst) {
    QVBoxLayout* column = tightColumn();
    column->addWidget(label(qs(group.heading), parent, layout::kPageBold));
    for (const AdvancedChoice* choice : layout::displayOrder(group, enabledFirst))
        column->addWidget(
            option(choice->control, layout::markedCaption(*choice), parent, layout::kPageFont));
    return column;
}

void Form1::buildPages() {
    const QColor systemWindow = palette().color(QPalette::Base);
    // The panels now, in their stacking order; their controls when each is first shown.
    const auto lazyPage = [&](const char* name, void (Form1::*build)(PagePanel*)) {
        for (const layout::Page& p : layout::kPageTable) {
            if (std::string_view(p.name) != name) continue;
            PagePanel* panel = page(QLatin1String(name), systemWindow, rectOf(p.rect));
            makeLater(panel, [this, panel, build] { (this->*build)(panel); });
            return;
        }
        throw std::out_of_range(std::string("no page named ") + name);
    };
    lazyPage(frame::kInternetPage, &Form1::buildInternetSettings);
    lazyPage(frame::kAdvancedPage, &Form1::buildAdvancedSettings);
    lazyPage(frame::kLanPage, &Form1::buildLocalAreaNetwork);
    lazyPage(frame::kExplorerPage, &Form1::buildInternetExplorer);
    lazyPage(frame::kFirefoxPage, &Form1::buildMozillaFirefox);
}

// The connection kinds by group in three columns, and the QoS reservation below them.
void Form1::buildInternetSettings(PagePanel* panel) {
    panel->setStyleSheet(
        QStringLiteral("QRadioButton { spacing: %1px; }").arg(layout::kConnectionMarkSpacing));
    QGridLayout* grid = gridOf(panel, layout::kInternetFlow);
    const int gap = layout::kConnectionPlacement.groupGap;
    const auto connectionOption = [&](const ConnectionType& entry) {
        return option(entry.optionControl, std::string(entry.caption), panel,
                      layout::kConnectionFont);
    };
    for (std::size_t c = 0; c < layout::kConnectionColumns.size(); ++c) {
        const layout::ConnectionColumn& described = layout::kConnectionColumns[c];
        QVBoxLayout* column = tightColumn();
        for (int g = 0; g < described.groupCount; ++g) {
            const ConnectionGroup group = described.groups[static_cast<std::size_t>(g)];
            if (g > 0) column->addSpacing(gap);
            column->addWidget(
                label(qs(groupHeading(group)), panel, layout::kConnectionHeadingFont));
            for (const auto& entry : connectionCatalogue())
                if (entry.group == group) column->addWidget(connectionOption(entry));
        }
        if (described.endsWithRestore) {
            column->addSpacing(gap);
            column->addWidget(connectionOption(connectionType(ConnectionKind::RestoreDefaults)));
        }
        column->addStretch();
        grid->addLayout(column, 0, static_cast<int>(c));
    }
    const layout::ListRow& described = layout::kQosRow;
    QHBoxLayout* qos = rowSpaced(layout::kQosSpacing);
    qos->addWidget(label(QLatin1String(described.heading), panel, layout::kPageBold));
    qos->addWidget(list(described.list.name, panel));
    qos->addWidget(label(QLatin1String(described.unit), panel, layout::kPageFont));
    qos->addWidget(label(QLatin1String(described.hint), panel, layout::kPageFont));
    qos->addStretch();
    grid->addLayout(qos, 1, 0, 1, static_cast<int>(layout::kConnectionColumns.size()));
}

// Five groups in two columns (a shorter column's last group reaching down to the longest's
// end), then the time to live and the receive window across both.
void Form1::buildAdvancedSettings(PagePanel* panel) {
    QGridLayout* grid = gridOf(panel, layout::kAdvancedFlow);
    int rows = 0;
    for (const layout::GroupColumn& column : layout::kAdvancedColumns)
        rows = std::max(rows,
                        static_cast<int>(std::count_if(column.groups.begin(), column.groups.end(),
                                                       [](const char* id) { return id; })));
    const int columns = static_cast<int>(layout::kAdvancedColumns.size());
    for (std::size_t c = 0; c < layout::kAdvancedColumns.size(); ++c) {
        const auto& groups = layout::kAdvancedColumns[c].groups;
        for (std::size_t r = 0; r < groups.size() && groups[r]; ++r) {
            const bool last = r + 1 == groups.size() || !groups[r + 1];
            const int row = static_cast<int>(r);
            grid->addLayout(groupColumn(layout::groupNamed(groups[r]), panel, false), row,
                            static_cast<int>(c), last ? rows - row : 1, 1);
        }
    }
    const AdvancedGroup& ttl = layout::groupNamed(layout::kTtlGroup);
    QHBoxLayout* ttlRow = rowSpaced(layout::kRowSpacing);
    ttlRow->addWidget(label(qs(ttl.heading), panel, layout::kPageBold));
    for (const AdvancedChoice* choice : layout::displayOrder(ttl, false))
        ttlRow->addWidget(
            option(choice->control, layout::markedCaption(*choice), panel, layout::kPageFont));
    ttlRow->addStretch();
    grid->addLayout(ttlRow, rows, 0, 1, columns);

    QHBoxLayout* rwinRow = rowSpaced(layout::kRowSpacing);
    rwinRow->addWidget(label(QLatin1String(layout::kRwinCaption), panel, layout::kPageBold));
    QLabel* rwin = label(QString::fromStdString(model_.controls().text(names::kRwinValue)), panel,
                         layout::kPageFont);
    rwin->setObjectName(QLatin1String(names::kRwinValue));
    remember(rwin);
    binder_->bindText(names::kRwinValue, rwin);
    rwinRow->addWidget(rwin);
    rwinRow->addStretch();
    grid->addLayout(rwinRow, rows + 1, 0, 1, columns);
    grid->setRowStretch(rows + 2, 1);
}

// Three Enabled / Disabled choices, "Enabled" first.
void Form1::buildLocalAreaNetwork(PagePanel* panel) {
    QVBoxLayout* column = columnOf(panel, layout::kLanFlow);
    for (const char* id : layout::kLanGroups)
        column->addLayout(groupColumn(layout::groupNamed(id), panel, true));
    column->addStretch();
}

// Connections per server for HTTP 1.0 and 1.1.
void Form1::buildInternetExplorer(PagePanel* panel) {
    QVBoxLayout* column = columnOf(panel, layout::kExplorerFlow);
    for (const layout::HttpRow& http : layout::kHttpRows) {
        column->addWidget(label(QLatin1String(http.heading), panel, layout::kPageBold));
        auto* row = new QHBoxLayout;
        row->addWidget(
            label(QLatin1String(layout::kSimultaneousCaption), panel, layout::kPageFont));
        row->addWidget(list(http.list, panel));
        row->addWidget(label(QLatin1String(http.hint), panel, layout::kPageFont));
        row->addStretch();
        column->addLayout(row);
        column->addSpacing(layout::kHttpRowGap);
    }
    column->addStretch();
}

// The current configuration, its preference text and the two switches.
void Form1::buildMozillaFirefox(PagePanel* panel) {
    QLabel* current = label(QLatin1String(layout::kCurrentConfiguration), panel, layout::kPageBold);
    current->setObjectName(QLatin1String(firefox::kCurrentCaption));
    const QRect currentRect = rectOf(layout::kCurrentCaptionRect);
    // As wide as its text in this toolkit's font; the state follows right after it.
    current->setGeometry(currentRect.x(), currentRect.y(), current->sizeHint().width(),
                         currentRect.height());
    remember(current);
    for (const layout::FirefoxState& s : layout::kFirefoxStates) {
        QLabel* state = label(QLatin1String(s.text), panel, layout::kPageFont);
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
        text->setFont(fontOf(layout::kPageFont));
        text->setGeometry(rectOf(layout::kFirefoxTextRect));
        remember(text);
        binder_->bindText(name, text);
        binder_->bindVisible(name, text);
    }
    for (const layout::Button& b : layout::kFirefoxButtons) {
        const std::string name = b.name;
        QWidget* button = factory_.pushButton(panel, b, [this, name] { commands_.click(name); });
        button->setAccessibleName(QLatin1String(b.caption));
        button->setToolTip(button->accessibleName());
        remember(button);
        binder_->bindEnabled(b.name, button);
    }
}

void Form1::buildMonitorPage() {
    const layout::Page& description = layout::kPageTable.back();
    PagePanel* panel = page(QLatin1String(description.name), colourOf(description.fill.colour),
                            rectOf(description.rect));
    // The graphs and bars take samples from the start (the splash flattens them); the captions,
    // figures and rules are made when the monitor first shows.
    HistogramControl* graphs[2] = {&histogram1_, &histogram2_};
    for (std::size_t i = 0; i < layout::kMonitorGraphs.size(); ++i) {
        const layout::Graph& graph = layout::kMonitorGraphs[i];
        *graphs[i] = factory_.histogram(panel, QLatin1String(graph.name));
        graphs[i]->widget->setGeometry(rectOf(graph.rect));
    }
    for (std::size_t i = 0; i < layout::kMonitorBars.size(); ++i) {
        bars_[i] = factory_.progressBar(panel, layout::kMonitorBars[i]);
        remember(bars_[i].widget);
    }
    remember(histogram1_.widget);
    remember(histogram2_.widget);
    makeLater(panel, [this, panel] { buildMonitorTexts(panel); });
}

void Form1::buildMonitorTexts(PagePanel* panel) {
    for (const layout::Text& t : layout::kMonitorTexts) {
        QLabel* l = textLabel(t, panel);
        if (t.name) {
            // A figure the meter announced before the page was made shows at once.
            const std::string announced = model_.controls().text(t.name);
            if (!announced.empty()) l->setText(QString::fromStdString(announced));
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
        rule->show();
    }
    // Made later, the texts would lie above the graphs and bars: those go back on top.
    histogram1_.widget->raise();
    histogram2_.widget->raise();
    for (const BarControl& bar : bars_) bar.widget->raise();
}

}  // namespace quorvex
