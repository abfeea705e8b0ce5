// The About box: keeps the texts of the About dialog and shows it.
#pragma once

#include "framework/core/Component.h"

#include <cstddef>
#include <string>

class TAboutBox : public fw::TComponent {
    FW_CLASS(TAboutBox, fw::TComponent)
public:
    // Longer texts keep their first kMaxLength characters.
    static constexpr std::size_t kMaxLength = 100;
    // The maker's line, the Copyright of a new About box.
    static constexpr const char* kMakerCopyright = "Copyright \xA9 2026 Sixpointe Cie";

    explicit TAboutBox(fw::TComponent* owner);

    const std::string& ProductName() const { return productName_; }
    void SetProductName(const std::string& text) { productName_ = Shortened(text); }
    const std::string& Version() const { return version_; }
    void SetVersion(const std::string& text) { version_ = Shortened(text); }
    const std::string& Copyright() const { return copyright_; }
    void SetCopyright(const std::string& text) { copyright_ = Shortened(text); }

    // Builds a fresh About dialog, shows it modally and frees it. A dialog
    // that cannot be built is answered with the default beep.
    virtual void Execute();

private:
    static std::string Shortened(const std::string& text) { return text.substr(0, kMaxLength); }

    std::string productName_;
    std::string version_;
    std::string copyright_;
};
