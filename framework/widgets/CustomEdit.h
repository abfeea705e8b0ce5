// The standard edit control.
#pragma once

#include "framework/window/WinControl.h"

namespace fw {

class TCustomEdit : public TWinControl {
    FW_CLASS(TCustomEdit, TWinControl)
public:
    explicit TCustomEdit(TComponent* owner);

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value) { autoSelect_ = value; }
    // On, the height follows the font: one line of text and the borders.
    // Off (as an edit made in code starts), the height is the one given.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);

    void SelectAll();
    // Caret position and selection, in characters.
    int SelStart() const;
    int SelLength() const;
    void SetSelection(int start, int length);

    // Runs after every change of the text: typing, pasting, or SetText.
    TNotifyEvent OnChange;

    bool HandleCommand(WORD code) override;
    HBRUSH CtlColor(HDC dc) override;

protected:
    virtual void Change();
    void FontChanged() override;
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void SaveWindowState() override;
    void StoreText(const std::string& text) override;
    void TextChanged() override { Change(); }

private:
    void AdjustHeight();

    int maxLength_ = 0;
    bool readOnly_ = false;
    bool autoSelect_ = true;
    bool autoSize_ = false;
    // The edit's own change notice is ignored while the text is set from
    // code: SetText decides itself whether to notify.
    bool settingText_ = false;
};

} // namespace fw
