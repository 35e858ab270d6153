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
#include "shell/main_window_commands.h"
#include "tuning/advanced_choices.h"
#include "tuning/connection_catalogue.h"
#include "tuning/window_model.h"

namespace quorvex {

namespace {

const QColor kWindowGrey(66, 66, 66);
const QColor kCaptionGrey(224, 224, 224);

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString art(const QString& name) {
    return QStringLiteral(":/artwork/") + name + QStringLiteral(".svg");
}

QLabel* label(const QString& text, QWidget* parent, bool bold = false) {
    auto* l = new QLabel(text, parent);
    l->setFont(tahoma(8.25, bold));
    return l;
}

// The option caption with its mark: "Enabled (Recommended)".
QString markedCaption(const AdvancedChoice& choice) {
    const std::string_view mark = markText(choice.mark);
    return mark.empty() ? qs(choice.caption) : qs(choice.caption) + QLatin1Char(' ') + qs(mark);
}

const AdvancedGroup& groupNamed(std::string_view id) {
    for (const auto& group : advancedGroups())
        if (group.id == id) return group;
    return advancedGroups().front();
}

QVBoxLayout* tightColumn() {
    auto* column = new QVBoxLayout;
    column->setSpacing(1);
    column->setContentsMargins(0, 0, 0, 0);
    return column;
}

}  // namespace

void Form1::buildHomePage() {
    PagePanel* home = page(QStringLiteral("Picture2"), kWindowGrey, {8, 144, 481, 337});
    home->show();

    struct Icon {
        QPoint at;
        const char* resting;
        const char* highlighted;
        const char* art;
        const char* caption;
        QRect captionRect;
    };
    const std::array<Icon, 6> icons{{
        {{32, 32}, "Image13", "Image6", "internet", "Internet Settings", {16, 112, 113, 17}},
        {{200, 32}, "Image14", "Image3", "advanced", "Advanced Settings", {160, 112, 145, 17}},
        {{360, 32}, "Image15", "Image2", "lan", "Local Area Network", {312, 112, 169, 17}},
        {{32, 168}, "Image16", "Image5", "firefox", "Mozilla Firefox", {8, 248, 129, 17}},
        {{192, 168}, "Image17", "Image4", "explorer", "Internet Explorer", {168, 248, 129, 17}},
        {{360, 168},
         "Image18",
         "Image20",
         "automatic",
         "Everything Automatically",
         {304, 248, 185, 17}},
    }};
    QPalette captionPalette = home->palette();
    captionPalette.setColor(QPalette::WindowText, kCaptionGrey);
    for (const auto& icon : icons) {
        const QRect rect(icon.at, QSize(72, 72));
        const QString artName = QStringLiteral("icon_") + QLatin1String(icon.art);
        // The resting picture, made second, lies above; the first movement over it reveals
        // the highlighted one, which takes the click.
        ArtPicture* highlighted = picture(QLatin1String(icon.highlighted),
                                          art(artName + QStringLiteral("_hover")), rect, home);
        picture(QLatin1String(icon.resting), art(artName), rect, home);
        clickable(highlighted, icon.caption);

        auto* caption = new QLabel(QLatin1String(icon.caption), home);
        caption->setFont(tahoma(9.75, true));
        caption->setPalette(captionPalette);
        caption->setAlignment(Qt::AlignCenter);
        caption->setGeometry(icon.captionRect.adjusted(-8, 0, 8, 2));
    }

    auto* prompt =
        new QLabel(QStringLiteral("Please Choose Your Internet / Network Connection Type:"), home);
    prompt->setPalette(captionPalette);
    prompt->setGeometry(24, 282, 433, 18);
    QComboBox* combo3 = binder_->list(names::kConnectionList, home);
    combo3->setGeometry(24, 302, 433, 24);
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
        std::vector<const AdvancedChoice*> choices;
        for (const auto& choice : group.choices) choices.push_back(&choice);
        if (enabledFirst && choices.size() == 2 && choices[1]->caption == "Enabled")
            std::swap(choices[0], choices[1]);
        for (const AdvancedChoice* choice : choices)
            column->addWidget(option(choice->control, markedCaption(*choice), parent));
        return column;
    };

    // Internet Settings: the connection kinds by group, and the QoS reservation.
    {
        PagePanel* panel = page(QStringLiteral("Picture16"), systemWindow, {24, 240, 449, 227});
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
        PagePanel* panel = page(QStringLiteral("Picture11"), systemWindow, {24, 232, 449, 233});
        auto* grid = new QGridLayout(panel);
        grid->setContentsMargins(8, 6, 8, 6);
        grid->setHorizontalSpacing(12);
        grid->setVerticalSpacing(5);
        grid->addLayout(groupColumn(groupNamed("FastCopyReceiveThreshold"), panel, false), 0, 0);
        grid->addLayout(groupColumn(groupNamed("SackOpts"), panel, false), 1, 0);
        grid->addLayout(groupColumn(groupNamed("MaxDupAcks"), panel, false), 2, 0);
        grid->addLayout(groupColumn(groupNamed("FastSendDatagramThreshold"), panel, false), 0, 1);
        grid->addLayout(groupColumn(groupNamed("Tcp1323Opts"), panel, false), 1, 1, 2, 1);

        const AdvancedGroup& ttl = groupNamed("Ttl");
        auto* ttlRow = new QHBoxLayout;
        ttlRow->setSpacing(6);
        ttlRow->addWidget(label(qs(ttl.heading), panel, true));
        for (const auto& choice : ttl.choices)
            ttlRow->addWidget(option(choice.control, markedCaption(choice), panel));
        ttlRow->addStretch();
        grid->addLayout(ttlRow, 3, 0, 1, 2);

        auto* rwinRow = new QHBoxLayout;
        rwinRow->setSpacing(6);
        rwinRow->addWidget(label(QStringLiteral("RWIN:"), panel, true));
        QLabel* rwin = label(QString(), panel);
        rwin->setObjectName(QStringLiteral("RwinValue"));
        remember(rwin);
        rwinRow->addWidget(rwin);
        rwinRow->addStretch();
        grid->addLayout(rwinRow, 4, 0, 1, 2);
        grid->setRowStretch(5, 1);
        binder_->onAnyChange([this, rwin] { rwin->setText(QString::number(model_.state().Rwin)); });
    }

    // Local Area Network: three Enabled / Disabled choices.
    {
        PagePanel* panel = page(QStringLiteral("Picture9"), systemWindow, {24, 240, 449, 225});
        auto* column = new QVBoxLayout(panel);
        column->setContentsMargins(12, 10, 12, 10);
        column->setSpacing(10);
        for (const char* id : {"NoRecentDocsNetHood", "SizReqBuf", "MaxCmds"})
            column->addLayout(groupColumn(groupNamed(id), panel, true));
        column->addStretch();
    }

    // Internet Explorer: connections per server for HTTP 1.0 and 1.1.
    {
        PagePanel* panel = page(QStringLiteral("Picture1"), systemWindow, {24, 232, 449, 233});
        auto* column = new QVBoxLayout(panel);
        column->setContentsMargins(12, 12, 12, 10);
        column->setSpacing(4);
        struct Http {
            const char* heading;
            const char* list;
            const char* hint;
        };
        for (const Http& http : {Http{"Maximum HTTP 1.0 Server Connections:", names::kHttp10List,
                                      "(Recommended: 10) (Default: 4)"},
                                 Http{"Maximum HTTP 1.1 Server Connections:", names::kHttp11List,
                                      "(Recommended: 10) (Default: 2)"}}) {
            column->addWidget(label(QLatin1String(http.heading), panel, true));
            auto* row = new QHBoxLayout;
            row->addWidget(label(QStringLiteral("Simultaneous Connections:"), panel));
            row->addWidget(list(http.list, panel));
            row->addWidget(label(QLatin1String(http.hint), panel));
            row->addStretch();
            column->addLayout(row);
            column->addSpacing(14);
        }
        column->addStretch();
    }

    // Mozilla Firefox: the current configuration, its preference text and the two switches.
    {
        PagePanel* panel = page(QStringLiteral("Picture15"), systemWindow, {24, 232, 449, 233});
        QLabel* current = label(QStringLiteral("Current Configuration: "), panel, true);
        current->setObjectName(QStringLiteral("Label15"));
        current->setGeometry(8, 6, current->sizeHint().width(), 16);
        remember(current);
        for (const auto& [name, text] : {std::pair{"Label25", "Optimized Configuration"},
                                         std::pair{"Label26", "Default Configuration"}}) {
            QLabel* state = label(QLatin1String(text), panel);
            state->setObjectName(QLatin1String(name));
            state->setGeometry(current->geometry().right() + 1, 6, 260, 16);
            remember(state);
            binder_->bindVisible(name, state);
        }
        for (const char* name : {"Text4", "Text5"}) {
            auto* text = new QPlainTextEdit(panel);
            text->setObjectName(QLatin1String(name));
            text->setReadOnly(true);
            text->setLineWrapMode(QPlainTextEdit::NoWrap);
            text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            text->setFont(tahoma(8.25));
            text->setGeometry(8, 26, 433, 130);
            remember(text);
            binder_->bindText(name, text);
            binder_->bindVisible(name, text);
        }
        const QRect disableRect(8, 162, 433, 30);
        const QRect enableRect(8, 196, 433, 30);
        QWidget* disable = factory_.pushButton(panel, QStringLiteral("chameleonButton3"),
                                               QStringLiteral("Disable Optimized Configuration"),
                                               [this] { commands_.disableOptimizedFirefox(); });
        disable->setGeometry(disableRect);
        QWidget* enable = factory_.pushButton(panel, QStringLiteral("chameleonButton2"),
                                              QStringLiteral("Enable Optimized Configuration"),
                                              [this] { commands_.enableOptimizedFirefox(); });
        enable->setGeometry(enableRect);
        for (QWidget* button : {disable, enable}) {
            button->setAccessibleName(button->objectName() == QLatin1String("chameleonButton2")
                                          ? QStringLiteral("Enable Optimized Configuration")
                                          : QStringLiteral("Disable Optimized Configuration"));
            button->setToolTip(button->accessibleName());
            remember(button);
            binder_->bindEnabled(button->objectName().toStdString(), button);
        }
    }
}

void Form1::buildMonitorPage() {
    PagePanel* panel = page(QStringLiteral("Picture3"), kWindowGrey, {8, 112, 481, 433});

    struct Text {
        const char* name;  // empty for a fixed caption
        const char* text;
        QRect rect;
        QColor colour;
        bool bold;
        qreal points;
        Qt::Alignment align;
    };
    const QColor light(224, 224, 224), value(192, 192, 192), dim(128, 128, 128),
        white(255, 255, 255);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment centre = Qt::AlignCenter;
    // Value labels reach further right than their designed width, so that longer figures stay
    // whole in fonts wider than Tahoma.
    const Text texts[] = {
        {"", "Download Capacity Utilization:", {8, 8, 190, 13}, light, true, 8.25, left},
        {"", "Upload Capacity Utilization:", {248, 8, 190, 13}, light, true, 8.25, left},
        {"Label45", "100%", {201, 24, 33, 12}, white, false, 6.75, centre},
        {"Label44", "0%", {200, 208, 33, 13}, white, false, 8.25, centre},
        {"Label46", "100%", {442, 24, 33, 12}, white, false, 6.75, centre},
        {"Label47", "0%", {442, 208, 33, 13}, white, false, 8.25, centre},
        {"", "You Are Downloading At:", {8, 232, 150, 13}, light, true, 8.25, left},
        {"lblDownloadSpeedTop", "0.0 KB/S", {160, 232, 80, 13}, value, false, 8.25, left},
        {"", "You Are Uploading At:", {248, 232, 150, 13}, light, true, 8.25, left},
        {"lblUploadSpeedTop", "0.0 KB/S", {400, 232, 80, 13}, value, false, 8.25, left},
        {"", "At An Average Rate Of:", {8, 248, 150, 13}, light, true, 8.25, left},
        {"Label77", "0.0 KB/S", {160, 248, 80, 13}, value, false, 8.25, left},
        {"", "At An Average Rate Of:", {248, 248, 150, 13}, light, true, 8.25, left},
        {"Label78", "0.0 KB/S", {400, 248, 80, 13}, value, false, 8.25, left},
        {"", "You Have Downloaded:", {8, 264, 150, 13}, dim, true, 8.25, left},
        {"Label54", "0.00 KBs", {160, 264, 80, 13}, dim, false, 8.25, left},
        {"", "You Have Uploaded:", {248, 264, 150, 13}, dim, true, 8.25, left},
        {"Label62", "0.00 KBs", {400, 264, 80, 13}, dim, false, 8.25, left},
        {"", "Best Download Speed:", {8, 296, 150, 13}, light, true, 8.25, left},
        {"MaximumDownload", "0.0 KB/S", {160, 296, 80, 13}, value, false, 8.25, left},
        {"", "Best Upload Speed:", {248, 296, 150, 13}, light, true, 8.25, left},
        {"MaximumUpload", "0.0 KB/S", {400, 296, 80, 13}, value, false, 8.25, left},
        {"", "Total Bits Downloaded:", {8, 336, 158, 13}, light, true, 8.25, left},
        {"Label79", "0.00", {168, 336, 124, 13}, light, false, 8.25, left},
        {"Label83", "0%", {440, 336, 35, 13}, dim, false, 8.25, centre},
        {"", "Total Bits Uploaded:", {8, 352, 158, 13}, light, true, 8.25, left},
        {"Label81", "0.00", {168, 352, 124, 13}, light, false, 8.25, left},
        {"Label84", "0%", {440, 352, 35, 13}, dim, false, 8.25, centre},
        {"", "Overall Bits Transferred:", {8, 368, 158, 13}, light, true, 8.25, left},
        {"Label52", "0.00", {168, 368, 124, 13}, light, false, 8.25, left},
        {"", "Best Connection Achieved:", {8, 400, 182, 16}, light, true, 9.75, left},
        {"Label30", "0.00 Kbits/s", {192, 400, 200, 16}, value, false, 9.75, left},
    };
    for (const Text& t : texts) {
        auto* l = new QLabel(QLatin1String(t.text), panel);
        QFont font = t.points == 6.75 ? QFont() : tahoma(t.points, t.bold);
        if (t.points == 6.75) {
            font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
            font.setPointSizeF(6.75);
        }
        l->setFont(font);
        QPalette palette = l->palette();
        palette.setColor(QPalette::WindowText, t.colour);
        l->setPalette(palette);
        l->setAlignment(t.align);
        l->setGeometry(t.rect);
        if (*t.name) {
            l->setObjectName(QLatin1String(t.name));
            remember(l);
            binder_->bindText(t.name, l);
        }
    }
    struct Line {
        QRect rect;
        QColor colour;
    };
    for (const Line& line : {Line{{8, 288, 228, 1}, value}, Line{{248, 288, 228, 1}, value},
                             Line{{8, 323, 473, 1}, QColor(92, 92, 92)}}) {
        auto* rule = new QWidget(panel);
        rule->setGeometry(line.rect);
        QPalette palette = rule->palette();
        palette.setColor(QPalette::Window, line.colour);
        rule->setPalette(palette);
        rule->setAutoFillBackground(true);
    }

    histogram1_ = factory_.histogram(panel, QStringLiteral("ucHistogram1"));
    histogram1_.widget->setGeometry(8, 24, 191, 201);
    histogram2_ = factory_.histogram(panel, QStringLiteral("ucHistogram2"));
    histogram2_.widget->setGeometry(240, 24, 191, 201);
    struct BarPlace {
        const char* name;
        QRect rect;
    };
    const BarPlace bars[4] = {
        {"XP_ProgressBar1", {296, 338, 137, 9}},
        {"XP_ProgressBar2", {207, 40, 17, 161}},
        {"XP_ProgressBar3", {448, 40, 17, 161}},
        {"XP_ProgressBar4", {296, 355, 137, 9}},
    };
    for (int i = 0; i < 4; ++i) {
        bars_[i] = factory_.progressBar(panel, QLatin1String(bars[i].name));
        bars_[i].widget->setGeometry(bars[i].rect);
        remember(bars_[i].widget);
    }
    remember(histogram1_.widget);
    remember(histogram2_.widget);
}

}  // namespace quorvex
