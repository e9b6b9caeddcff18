#include "widgets/strip_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QStyle>
#include <QStyleOption>
#include <array>
#include <cmath>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

namespace typecask {

namespace {

constexpr int Side = 16;

// Paints the icon when a size is first asked for, at that size in device pixels: the
// strips' hidden buttons never paint theirs, and no unused pixel ratio is painted.
class PaintedIconEngine final : public QIconEngine
{
public:
    explicit PaintedIconEngine(std::function<void(QPainter&)> paint) : m_paint(std::move(paint)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pm = pixmap(rect.size() * ratio, mode, state);
        pm.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pm);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        const auto key = std::make_tuple(size.width(), size.height(), int(mode), int(state));
        for (const auto& [k, pm] : m_cache)
            if (k == key)
                return pm;
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        {
            QPainter p(&pm);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(size.width() / qreal(Side), size.height() / qreal(Side));
            m_paint(p);
        }
        if (mode != QIcon::Normal && mode != QIcon::Active) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pm = QApplication::style()->generatedIconPixmap(mode, pm, &option);
        }
        m_cache.emplace_back(key, pm);
        return pm;
    }

    QIconEngine* clone() const override { return new PaintedIconEngine(m_paint); }

private:
    std::function<void(QPainter&)> m_paint;
    std::vector<std::pair<std::tuple<int, int, int, int>, QPixmap>> m_cache; // a few sizes at most
};

QIcon painted(std::function<void(QPainter&)> paint)
{
    return QIcon(new PaintedIconEngine(std::move(paint)));
}

QColor ink()
{
    return QApplication::palette().color(QPalette::WindowText);
}

void lines(QPainter& p, const std::array<std::pair<qreal, qreal>, 4>& spans)
{
    p.setPen(QPen(ink(), 1.5, Qt::SolidLine, Qt::RoundCap));
    qreal y = 3.5;
    for (const auto& [x0, x1] : spans) {
        p.drawLine(QPointF(x0, y), QPointF(x1, y));
        y += 3;
    }
}

void swatches(QPainter& p, std::initializer_list<QColor> colours)
{
    qreal x = 1.5;
    for (const QColor& c : colours) {
        p.setPen(QPen(ink().lighter(150), 0.8));
        p.setBrush(c);
        p.drawRoundedRect(QRectF(x, 5, 4, 8), 1, 1);
        x += 4.5;
    }
}

} // namespace

QIcon glyphIcon(const QString& text, bool bold)
{
    return painted([text, bold](QPainter& p) {
        QFont f = QApplication::font();
        f.setPixelSize(text.size() > 2 ? 8 : text.size() > 1 ? 10 : 13);
        f.setBold(bold);
        p.setFont(f);
        p.setPen(ink());
        p.drawText(QRectF(0, 0, Side, Side), Qt::AlignCenter, text);
    });
}

QIcon stripIcon(StripIcon kind)
{
    switch (kind) {
    case StripIcon::TextColour:
        return painted([](QPainter& p) {
            QFont f = QApplication::font();
            f.setPixelSize(12);
            f.setBold(true);
            p.setFont(f);
            p.setPen(ink());
            p.drawText(QRectF(0, -2, Side, 13), Qt::AlignCenter, u"A"_qs);
            p.fillRect(QRectF(2, 12.5, 12, 2.5), QColor(0xD0, 0x30, 0x30));
        });
    case StripIcon::BackColour:
        return painted([](QPainter& p) {
            p.setPen(QPen(ink(), 1));
            p.setBrush(QColor(0xF2, 0xD2, 0x4B));
            p.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 2, 2);
            p.setPen(QPen(ink(), 1));
            p.drawLine(QPointF(5, 11), QPointF(11, 5));
        });
    case StripIcon::Search:
        return painted([](QPainter& p) {
            p.setPen(QPen(ink(), 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(2.5, 2.5, 8, 8));
            p.setPen(QPen(ink(), 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(9.6, 9.6), QPointF(13.5, 13.5));
        });
    case StripIcon::FontListPreview:
        return painted([](QPainter& p) {
            QFont f = QApplication::font();
            f.setPixelSize(6);
            f.setBold(true);
            p.setFont(f);
            p.setPen(ink());
            for (int i = 0; i < 3; ++i) {
                p.drawText(QRectF(0.5, 1 + i * 5, 5, 5), Qt::AlignCenter, u"A"_qs);
                p.drawLine(QPointF(7, 3.5 + i * 5), QPointF(14.5, 3.5 + i * 5));
            }
        });
    case StripIcon::SubWindow:
        return painted([](QPainter& p) {
            p.setPen(QPen(ink(), 1));
            p.setBrush(QApplication::palette().color(QPalette::Base));
            p.drawRect(QRectF(1.5, 1.5, 9, 7));
            p.drawRect(QRectF(5.5, 6.5, 9, 7));
            p.fillRect(QRectF(5.5, 6.5, 9, 2), ink());
        });
    case StripIcon::Pin:
        return painted([](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xC8, 0x3A, 0x3A));
            p.drawEllipse(QRectF(4, 1.5, 8, 6));
            p.drawRect(QRectF(5.5, 6, 5, 3));
            p.setPen(QPen(ink(), 1.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(8, 9), QPointF(8, 14.5));
        });
    case StripIcon::HtmlBar:
        return glyphIcon(u"</>"_qs, true);
    case StripIcon::RtfBar:
        return glyphIcon(u"RTF"_qs, true);
    case StripIcon::Favorites:
        return painted([](QPainter& p) {
            QPainterPath star;
            for (int i = 0; i < 10; ++i) {
                const qreal r = i % 2 ? 3.0 : 7.0;
                const qreal a = -M_PI / 2 + i * M_PI / 5;
                const QPointF pt(8 + r * std::cos(a), 8.5 + r * std::sin(a));
                i ? star.lineTo(pt) : star.moveTo(pt);
            }
            star.closeSubpath();
            p.setPen(QPen(QColor(0xB0, 0x80, 0x10), 1));
            p.setBrush(QColor(0xF5, 0xC2, 0x2B));
            p.drawPath(star);
        });
    case StripIcon::FavoritesList:
        return painted([](QPainter& p) { lines(p, {{{2, 14}, {2, 11}, {2, 14}, {2, 9}}}); });
    case StripIcon::Edit:
        return painted([](QPainter& p) {
            p.setPen(QPen(ink(), 1));
            p.setBrush(QColor(0xE8, 0xB0, 0x40));
            QPolygonF pencil;
            pencil << QPointF(11, 2) << QPointF(14, 5) << QPointF(6, 13) << QPointF(2.5, 13.5)
                   << QPointF(3, 10);
            p.drawPolygon(pencil);
        });
    case StripIcon::AlignLeft:
        return painted([](QPainter& p) { lines(p, {{{2, 14}, {2, 10}, {2, 14}, {2, 9}}}); });
    case StripIcon::AlignCentre:
        return painted([](QPainter& p) { lines(p, {{{2, 14}, {4, 12}, {2, 14}, {5, 11}}}); });
    case StripIcon::AlignRight:
        return painted([](QPainter& p) { lines(p, {{{2, 14}, {6, 14}, {2, 14}, {7, 14}}}); });
    case StripIcon::Gradient:
        return painted([](QPainter& p) {
            QLinearGradient g(2, 0, 14, 0);
            g.setColorAt(0, QColor(0x30, 0x60, 0xD0));
            g.setColorAt(1, QColor(0xE0, 0x40, 0x60));
            p.setPen(QPen(ink().lighter(150), 0.8));
            p.setBrush(g);
            p.drawRoundedRect(QRectF(1.5, 4.5, 13, 7), 1.5, 1.5);
        });
    case StripIcon::RandomColour:
        return painted([](QPainter& p) {
            swatches(p, {QColor(0xD0, 0x40, 0x40), QColor(0x40, 0xA0, 0x40), QColor(0x40, 0x60, 0xD0)});
        });
    case StripIcon::Copy:
        return painted([](QPainter& p) {
            p.setPen(QPen(ink(), 1));
            p.setBrush(QApplication::palette().color(QPalette::Base));
            p.drawRect(QRectF(2.5, 1.5, 8, 10));
            p.drawRect(QRectF(5.5, 4.5, 8, 10));
        });
    }
    return {};
}

} // namespace typecask
