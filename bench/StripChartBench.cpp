// The strip chart's cost per new value: scroll the trace layer in place, draw the newest
// segment with the area under it, and compose the layers for painting.
#include <benchmark/benchmark.h>

#include "framework/gdi/CDC.h"

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 100;
constexpr int kStep = 4;
const CRect kPlot(36, 10, kWidth - 20, kHeight - 20);

struct Layer {
    Layer()
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, kWidth, kHeight);
        old = dc.SelectObject(&bitmap);
    }
    ~Layer() { dc.SelectObject(old); }

    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
};

void ScrollAndDraw(CDC& dc, CPen& fill, CPen& trace, int previousY, int currentY)
{
    dc.BitBlt(kPlot.left, kPlot.top + 1, kPlot.Width(), kPlot.Height(), &dc, kPlot.left + kStep, kPlot.top + 1, SRCCOPY);
    const int previousX = kPlot.right - kStep - kStep / 2;
    const int currentX = kPlot.right - kStep / 2;
    CPen* old = dc.SelectObject(&fill);
    for (int x = previousX + 1; x <= currentX; ++x) {
        dc.MoveTo(x, previousY + (currentY - previousY) * (x - previousX) / (currentX - previousX));
        dc.LineTo(x, kPlot.bottom);
    }
    dc.SelectObject(&trace);
    dc.MoveTo(previousX, previousY);
    dc.LineTo(currentX, currentY);
    dc.LineTo(currentX + 1, currentY);
    dc.SelectObject(old);
}

int Sample(int i)
{
    return kPlot.top + 5 + (i * 37) % (kPlot.Height() - 10);
}

void BM_ScrollAndDraw(benchmark::State& state)
{
    Layer trace;
    CPen fillPen(PS_SOLID, 0, RGB(100, 100, 255));
    CPen tracePen(PS_SOLID, 0, RGB(255, 255, 255));
    int i = 0;
    for (auto _ : state) {
        ScrollAndDraw(trace.dc, fillPen, tracePen, Sample(i), Sample(i + 1));
        ++i;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ScrollAndDraw);

void BM_ScrollInPlace(benchmark::State& state)
{
    Layer trace;
    for (auto _ : state) {
        trace.dc.BitBlt(kPlot.left, kPlot.top + 1, kPlot.Width(), kPlot.Height(), &trace.dc, kPlot.left + kStep,
                        kPlot.top + 1, SRCCOPY);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ScrollInPlace);

void BM_LineSegment(benchmark::State& state)
{
    Layer trace;
    CPen pen(PS_SOLID, 0, RGB(255, 255, 255));
    trace.dc.SelectObject(&pen);
    int i = 0;
    for (auto _ : state) {
        trace.dc.MoveTo(kPlot.right - 6, Sample(i));
        trace.dc.LineTo(kPlot.right - 2, Sample(i + 1));
        ++i;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_LineSegment);

void BM_ComposeForPaint(benchmark::State& state)
{
    Layer frame, trace, compose;
    for (auto _ : state) {
        compose.dc.BitBlt(0, 0, kWidth, kHeight, &frame.dc, 0, 0, SRCCOPY);
        compose.dc.BitBlt(0, 0, kWidth, kHeight, &trace.dc, 0, 0, SRCPAINT);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ComposeForPaint);

} // namespace
