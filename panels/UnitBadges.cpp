#include "UnitBadges.h"

#include <QFont>
#include <QPainter>

namespace {

constexpr int BadgeSize = 16;

QPixmap textBadge(const QString& text) {
    QPixmap badge(BadgeSize, BadgeSize);
    badge.fill(Qt::black);
    QPainter p(&badge);
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(text.size() > 1 ? 10 : 13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(255, 255, 0));
    p.drawText(badge.rect(), Qt::AlignCenter, text);
    return badge;
}

// Segments a..g of the digits 0-9, bit 0 = a.
constexpr unsigned char Segments[10] = {0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f};

void drawDigit(QPainter& p, int digit, QRect cell) {
    const int l = cell.left(), r = cell.right(), t = cell.top(), b = cell.bottom(), m = cell.center().y();
    const QLine lines[7] = {{l, t, r, t}, {r, t, r, m}, {r, m, r, b}, {l, b, r, b}, {l, m, l, b}, {l, t, l, m}, {l, m, r, m}};
    for (int s = 0; s < 7; ++s)
        if (Segments[digit] & (1 << s)) p.drawLine(lines[s]);
}

QPixmap segmentBadge(int number) {
    QPixmap badge(BadgeSize, BadgeSize);
    badge.fill(QColor(128, 128, 128));
    QPainter p(&badge);
    p.setPen(QPen(QColor(230, 240, 230), 1.6));
    if (number < 10) {
        drawDigit(p, number, QRect(5, 3, 6, 10));
    } else {
        drawDigit(p, number / 10, QRect(2, 3, 4, 10));
        drawDigit(p, number % 10, QRect(9, 3, 4, 10));
    }
    return badge;
}

}  // namespace

std::vector<QPixmap> MakeImageList1() {
    std::vector<QPixmap> list;
    for (int unit = 1; unit <= 13; ++unit) list.push_back(textBadge(QString::number(unit)));
    list.push_back(textBadge(QStringLiteral("F")));
    return list;
}

std::vector<QPixmap> MakeImageList2() {
    std::vector<QPixmap> list{segmentBadge(12)};
    for (int unit = 1; unit <= 11; ++unit) list.push_back(segmentBadge(unit));
    return list;
}
