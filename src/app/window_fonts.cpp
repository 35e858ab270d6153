#include "app/window_fonts.h"

#include <QStringList>

namespace quorvex {

QFont tahoma(qreal points, bool bold) {
    QFont font;
    // Wine's Tahoma shares Tahoma's metrics; Liberation Sans and DejaVu Sans come closest after.
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Wine Tahoma"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace quorvex
