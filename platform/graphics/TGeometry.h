#pragma once

#include <QRect>

// A point in pixels.
struct TPoint {
    int x = 0;
    int y = 0;

    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle as the drawing calls take it: Right and Bottom lie just outside, so
// Width = Right - Left. Unlike QRect there is no off-by-one between the two views.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }

    constexpr TRect Offset(int dx, int dy) const
    {
        return { Left + dx, Top + dy, Right + dx, Bottom + dy };
    }
    // Moves every edge inwards by (dx, dy); negative values grow the rectangle.
    constexpr TRect Inflate(int dx, int dy) const
    {
        return { Left - dx, Top - dy, Right + dx, Bottom + dy };
    }
    constexpr TRect Intersect(const TRect& other) const
    {
        TRect r { Left > other.Left ? Left : other.Left, Top > other.Top ? Top : other.Top,
            Right < other.Right ? Right : other.Right,
            Bottom < other.Bottom ? Bottom : other.Bottom };
        return r.IsEmpty() ? TRect {} : r;
    }

    QRect ToQRect() const { return QRect(Left, Top, Width(), Height()); }
    static TRect FromQRect(const QRect& r)
    {
        return { r.left(), r.top(), r.left() + r.width(), r.top() + r.height() };
    }
    static constexpr TRect FromSize(int width, int height) { return { 0, 0, width, height }; }

    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};
