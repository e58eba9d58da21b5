#include "platform/win32/menu_style.h"

#include <algorithm>

namespace kadrex::win32 {

namespace {

constexpr COLORREF kBackgroundColour = RGB(250, 250, 250);
constexpr COLORREF kHighlightColour = RGB(204, 232, 255);
constexpr COLORREF kHighlightEdgeColour = RGB(153, 209, 255);
constexpr COLORREF kSeparatorColour = RGB(215, 215, 215);
constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr COLORREF kGreyedTextColour = RGB(140, 140, 140);

// Room left of the text (where a check mark would go) and right of it (the submenu arrow).
constexpr int kTextIndent = 28;
constexpr int kTrailingSpace = 24;
constexpr int kVerticalPadding = 5;
constexpr int kSeparatorHeight = 7;
constexpr int kSeparatorInset = 4;

constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_LEFT;

UniqueFont CreateMenuFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return {};
  return UniqueFont(CreateFontIndirectW(&metrics.lfMenuFont));
}

void FillWithColour(HDC dc, const RECT& area, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void DrawSeparator(HDC dc, RECT area) {
  FillWithColour(dc, area, kBackgroundColour);
  const int middle = (area.top + area.bottom) / 2;
  const RECT line{area.left + kSeparatorInset, middle, area.right - kSeparatorInset, middle + 1};
  FillWithColour(dc, line, kSeparatorColour);
}

}  // namespace

MenuStyle::MenuStyle()
    : font_(CreateMenuFont()), background_(CreateSolidBrush(kBackgroundColour)) {}

HFONT MenuStyle::Font() const {
  return font_ ? font_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void MenuStyle::Measure(HWND owner, const MenuEntry& entry, MEASUREITEMSTRUCT& measure) const {
  if (entry.separator) {
    measure.itemWidth = 0;
    measure.itemHeight = kSeparatorHeight;
    return;
  }
  const WindowDc dc(owner);
  const SelectedObject font(dc.Get(), Font());
  RECT extent{};
  DrawTextW(dc.Get(), entry.text.c_str(), static_cast<int>(entry.text.size()), &extent,
            kTextFormat | DT_CALCRECT);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.Get(), &metrics);
  const int textHeight = std::max<int>(extent.bottom - extent.top, metrics.tmHeight);
  measure.itemWidth = kTextIndent + (extent.right - extent.left) + kTrailingSpace;
  measure.itemHeight = textHeight + 2 * kVerticalPadding;
}

void MenuStyle::Draw(const MenuEntry& entry, const DRAWITEMSTRUCT& draw) const {
  HDC dc = draw.hDC;
  if (entry.separator) {
    DrawSeparator(dc, draw.rcItem);
    return;
  }
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  const bool greyed = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
  if (selected) {
    FillWithColour(dc, draw.rcItem, kHighlightEdgeColour);
    RECT inner = draw.rcItem;
    InflateRect(&inner, -1, -1);
    FillWithColour(dc, inner, kHighlightColour);
  } else {
    FillWithColour(dc, draw.rcItem, kBackgroundColour);
  }
  const SelectedObject font(dc, Font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, greyed ? kGreyedTextColour : kTextColour);
  RECT textArea = draw.rcItem;
  textArea.left += kTextIndent;
  textArea.right -= kTrailingSpace;
  const UINT prefixes = (draw.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
  DrawTextW(dc, entry.text.c_str(), static_cast<int>(entry.text.size()), &textArea,
            kTextFormat | prefixes);
}

}  // namespace kadrex::win32
