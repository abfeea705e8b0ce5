#include "controls/AlignEdit.h"

#include "framework/core/Beep.h"
#include "framework/core/Text.h"
#include "framework/graphics/GdiHandle.h"

#include <algorithm>
#include <cstdlib>

#include <string>

using namespace fw;

TAlignEdit::TAlignEdit(TComponent* owner) : TCustomEdit(owner) {
    fontOnNoFocus_.OnChange = [this] { FontOnNoFocusChanged(); };
}

TAlignEdit::~TAlignEdit() = default;

void TAlignEdit::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    if (wordWrap_)
        params.style &= ~DWORD(ES_AUTOHSCROLL);
    // Always multi-line: a one-line edit would ignore the alignment bits.
    params.style |= ES_MULTILINE;
    switch (alignment_) {
    case taLeftJustify:
        params.style |= ES_LEFT;
        break;
    case taRightJustify:
        params.style |= ES_RIGHT;
        break;
    case taCenter:
        params.style |= ES_CENTER;
        break;
    }
}

void TAlignEdit::SetAlignment(TAlignment value) {
    if (value == alignment_)
        return;
    alignment_ = value;
    RecreateWnd();
}

void TAlignEdit::SetColorOnFocus(TColor value) {
    if (hasFocus_)
        SetColor(value);
    colorOnFocus_ = value;
}

void TAlignEdit::SetColorOnNoFocus(TColor value) {
    SetColor(value);
    colorOnNoFocus_ = value;
}

void TAlignEdit::SetFontOnFocus(const TFont& font) {
    if (hasFocus_)
        SetFont(font);
    fontOnFocus_.Assign(font);
}

void TAlignEdit::SetFontOnNoFocus(const TFont& font) {
    SetFont(font);
    fontOnNoFocus_.Assign(font);
}

void TAlignEdit::FontOnNoFocusChanged() {
    SetFont(fontOnNoFocus_);
}

void TAlignEdit::SetExitOnReturn(bool value) {
    if (value == exitOnReturn_)
        return;
    bool recreate = !value || multiLine_;
    // Not through SetMultiLine: the text and WordWrap stay as they are.
    if (value)
        multiLine_ = false;
    exitOnReturn_ = value;
    if (recreate)
        RecreateWnd();
}

void TAlignEdit::SetMultiLine(bool value) {
    if (value == multiLine_)
        return;
    if (value) {
        SetExitOnReturn(false);
    } else {
        // Each carriage return goes with the character after it, the line
        // feed of a line break: the lines run together.
        std::string text = Text();
        for (size_t at; (at = text.find('\r')) != std::string::npos;)
            text.erase(at, 2);
        SetText(text);
        wordWrap_ = false;
    }
    multiLine_ = value;
    RecreateWnd();
}

void TAlignEdit::SetWordWrap(bool value) {
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    SetMultiLine(true);
    RecreateWnd();
}

void TAlignEdit::SetHasFocus(bool value) {
    bool changed = value != hasFocus_;
    hasFocus_ = value;
    if (changed && alignment_ != taLeftJustify)
        Invalidate();
}

void TAlignEdit::FocusEntered() {
    SetHasFocus(true);
    // A click keeps the caret where it was placed; the edit's own select-on-entry
    // never acts, as it serves one-line windows only.
    if (AutoSelect() && !leftButtonDown_)
        SelectAll();
    TCustomEdit::FocusEntered();
}

void TAlignEdit::FocusLeft() {
    SetHasFocus(false);
    TCustomEdit::FocusLeft();
}

void TAlignEdit::DoEnter() {
    SetColor(colorOnFocus_);
    SetFont(fontOnFocus_);
    TCustomEdit::DoEnter();
}

void TAlignEdit::DoExit() {
    SetColor(colorOnNoFocus_);
    SetFont(fontOnNoFocus_);
    TCustomEdit::DoExit();
}

void TAlignEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (exitOnReturn_) {
        // Posted, so that it comes after the character of this Return; the
        // framework moves the focus on when the Tab reaches the control.
        if (key == VK_RETURN)
            PostMessageW(RawHandle(), WM_KEYDOWN, VK_TAB, 0);
    } else if (!multiLine_) {
        if (key == VK_RETURN) {
            key = 0;
            Beep();
        } else if (key == VK_UP) {
            key = VK_LEFT;
        } else if (key == VK_DOWN) {
            key = VK_RIGHT;
        }
    }
    TCustomEdit::KeyDown(key, shift);
}

void TAlignEdit::KeyPress(char& key) {
    // Ctrl+Return types a line feed, which the window would also take as a line break.
    bool lineBreak = key == '\r' || key == '\n';
    if (exitOnReturn_ && key == '\r')
        key = '\t';
    else if (!multiLine_ && lineBreak)
        key = 0;
    TCustomEdit::KeyPress(key);
}

LRESULT TAlignEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        leftButtonDown_ = true;
        break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        leftButtonDown_ = false;
        break;
    case WM_SETFONT:
    case WM_SIZE: {
        // Both put the text back at the top of the field.
        LRESULT result = TCustomEdit::WndProc(message, wParam, lParam);
        CentreFittedLine();
        return result;
    }
    }
    return TCustomEdit::WndProc(message, wParam, lParam);
}

void TAlignEdit::Change() {
    RefitText();
    TCustomEdit::Change();
}

void TAlignEdit::BoundsChanged() {
    TCustomEdit::BoundsChanged();
    RefitText();
}

void TAlignEdit::RefitText() {
    if (!HandleAllocated())
        return; // the window gets its font when it is made
    HFONT wanted = WindowFont();
    if (HFONT(SendMessageW(RawHandle(), WM_GETFONT, 0, 0)) != wanted)
        SendMessageW(RawHandle(), WM_SETFONT, WPARAM(wanted), TRUE);
}

HFONT TAlignEdit::WindowFont() {
    int height = FittingFontHeight();
    if (height == Font().Height())
        return Font().Handle(PixelsPerInch());
    TFont wanted;
    wanted.Assign(Font());
    wanted.SetHeight(height);
    if (!fittedFont_.SameAs(wanted))
        fittedFont_.Assign(wanted);
    return fittedFont_.Handle(PixelsPerInch());
}

int TAlignEdit::FittingFontHeight() {
    int height = Font().Height();
    if (multiLine_ || !HandleAllocated() || Text().empty() || height >= 0)
        return height;
    RECT client{};
    GetClientRect(RawHandle(), &client);
    DWORD margins = DWORD(SendMessageW(RawHandle(), EM_GETMARGINS, 0, 0));
    // The caret takes a pixel or two beside the last character.
    int room = client.right - LOWORD(margins) - HIWORD(margins) - 2;
    int width = TextWidthAt(height);
    if (width <= room || room <= 0)
        return height;
    // Heights are negative: a character height in pixels.
    int fitted = std::min(-1, int(height * double(room) / width));
    while (fitted < -1 && TextWidthAt(fitted) > room)
        ++fitted;
    return fitted;
}

void TAlignEdit::CentreFittedLine() {
    if (multiLine_)
        return;
    auto shown = HFONT(SendMessageW(RawHandle(), WM_GETFONT, 0, 0));
    if (shown == Font().Handle(PixelsPerInch()))
        return; // the field's own font: its line already fills the field
    int drop = (LineHeight(Font().Handle(PixelsPerInch())) - LineHeight(shown)) / 2;
    if (drop <= 0)
        return;
    // The edit window keeps its line at the top of this rectangle: lowered by
    // half the height that the smaller font saves, the line has the same middle
    // as a line in the field's own font.
    RECT lowered{};
    GetClientRect(RawHandle(), &lowered);
    lowered.top += drop;
    SendMessageW(RawHandle(), EM_SETRECT, 0, LPARAM(&lowered));
}

int TAlignEdit::LineHeight(HFONT font) {
    WindowDc dc(RawHandle());
    ScopedSelect select(dc.get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    return metrics.tmHeight;
}

int TAlignEdit::TextWidthAt(int height) {
    // The field's own fonts serve when they have that height: a text that
    // fits, or one as wide as the last, makes no font of its own.
    TFont probe;
    probe.Assign(Font());
    probe.SetHeight(height);
    HFONT font = height == Font().Height()   ? Font().Handle(PixelsPerInch())
                 : fittedFont_.SameAs(probe) ? fittedFont_.Handle(PixelsPerInch())
                                             : probe.Handle(PixelsPerInch());
    WindowDc dc(RawHandle());
    ScopedSelect select(dc.get(), font);
    std::wstring text = ToWide(Text());
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), int(text.size()), &size);
    return size.cx;
}
