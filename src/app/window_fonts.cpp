#include "app/window_fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace quorvex {

void registerTahomaFallback() {
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) return;
    // Debian's fonts-wine keeps its fonts out of the system font path.
    for (const char* folder : {"/usr/share/wine/fonts/", "/usr/local/share/wine/fonts/",
                               "/opt/wine/share/wine/fonts/"}) {
        const QString regular = QLatin1String(folder) + QStringLiteral("tahoma.ttf");
        if (!QFile::exists(regular)) continue;
        // Only the regular face: Wine's bold face draws hardly heavier than the regular one at
        // these sizes, while the emboldened regular face reads clearly as bold.
        QFontDatabase::addApplicationFont(regular);
        return;
    }
}

QFont tahoma(qreal points, bool bold) {
    QFont font;
    // Wine's Tahoma shares Tahoma's metrics; Liberation Sans and DejaVu Sans come closest after.
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Wine Tahoma"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

bool boldIsSimulated(const QFont& font) {
    if (font.weight() < QFont::Bold) return false;
    const QFontInfo drawn(font);
    return QFontDatabase::weight(drawn.family(), drawn.styleName()) < QFont::Bold;
}

}  // namespace quorvex
