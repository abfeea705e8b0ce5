#include "framework/window/Accessible.h"

#include "framework/core/Text.h"

#include <oleacc.h>

#include <atomic>

namespace fw {

namespace {
// oleacc and oleaut32, loaded on first use and kept: tools may hold objects
// for as long as they like.
struct AccessibilityLibrary {
    decltype(&CreateStdAccessibleObject) createStd = nullptr;
    decltype(&LresultFromObject) lresultFromObject = nullptr;
    decltype(&SysAllocStringLen) allocString = nullptr;

    static const AccessibilityLibrary& Get() {
        static const AccessibilityLibrary library = Load();
        return library;
    }
    bool Usable() const { return createStd && lresultFromObject && allocString; }

private:
    template <class Proc> static void Find(HMODULE module, const char* name, Proc& proc) {
        proc = reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
    static AccessibilityLibrary Load() {
        AccessibilityLibrary library;
        constexpr DWORD kSystemOnly = 0x800; // LOAD_LIBRARY_SEARCH_SYSTEM32
        HMODULE oleacc = LoadLibraryExW(L"oleacc.dll", nullptr, kSystemOnly);
        HMODULE oleaut = LoadLibraryExW(L"oleaut32.dll", nullptr, kSystemOnly);
        if (!oleacc || !oleaut)
            return library;
        Find(oleacc, "CreateStdAccessibleObject", library.createStd);
        Find(oleacc, "LresultFromObject", library.lresultFromObject);
        Find(oleaut, "SysAllocStringLen", library.allocString);
        return library;
    }
};

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The window's own object: name, role, value and state come from the
// control; the rest (place, parent, navigation) from the system's default
// object for the window.
class ControlAccessible final : public IAccessible, public IOleWindow {
public:
    ControlAccessible(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible))
            *object = static_cast<IAccessible*>(this);
        else if (iid == __uuidof(IOleWindow))
            *object = static_cast<IOleWindow*>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

    // IDispatch: no type information; tools call IAccessible directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IOleWindow
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (!window)
            return E_POINTER;
        *window = window_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IAccessible: what the control says of itself.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child))
            return standard_->get_accName(child, name);
        return Text(&TAccessibleInfo::name, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!IsSelf(child))
            return standard_->get_accValue(child, value);
        return Text(&TAccessibleInfo::value, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child))
            return standard_->get_accRole(child, role);
        TAccessibleInfo info;
        if (!role)
            return E_POINTER;
        if (!Describe(info))
            return E_FAIL;
        role->vt = VT_I4;
        role->lVal = info.role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        HRESULT result = standard_->get_accState(child, state);
        if (!IsSelf(child) || FAILED(result) || state->vt != VT_I4)
            return result;
        TAccessibleInfo info;
        if (!Describe(info))
            return E_FAIL;
        long bits = state->lVal & ~(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);
        if (info.focusable) {
            bits |= STATE_SYSTEM_FOCUSABLE;
            if (GetFocus() == window_)
                bits |= STATE_SYSTEM_FOCUSED;
        }
        if (info.readOnly)
            bits |= STATE_SYSTEM_READONLY;
        state->lVal = bits;
        return S_OK;
    }

    // IAccessible: the rest, as the system gives it for any window.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        return standard_->get_accHelp(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return standard_->get_accKeyboardShortcut(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override {
        return standard_->get_accDefaultAction(child, text);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~ControlAccessible() { standard_->Release(); }

    // Asked afresh each time: the control may have changed, or gone.
    bool Describe(TAccessibleInfo& info) const {
        return IsWindow(window_) &&
               SendMessageW(window_, kDescribeAccessible, 0, LPARAM(&info)) != 0;
    }

    HRESULT Text(std::string TAccessibleInfo::*field, BSTR* out) const {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        TAccessibleInfo info;
        if (!Describe(info))
            return E_FAIL;
        const std::string& text = info.*field;
        if (text.empty())
            return S_FALSE;
        std::wstring wide = ToWide(text);
        *out = AccessibilityLibrary::Get().allocString(wide.data(), UINT(wide.size()));
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    std::atomic<ULONG> references_{1};
    HWND window_;
    IAccessible* standard_;
};
} // namespace

LRESULT AnswerGetObject(HWND window, WPARAM wParam) {
    const AccessibilityLibrary& library = AccessibilityLibrary::Get();
    if (!library.Usable())
        return 0;
    IAccessible* standard = nullptr;
    if (FAILED(library.createStd(window, LONG(OBJID_CLIENT), __uuidof(IAccessible),
                                 reinterpret_cast<void**>(&standard))) ||
        !standard)
        return 0;
    auto* object = new ControlAccessible(window, standard);
    LRESULT result =
        library.lresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(object));
    object->Release(); // the result holds its own reference
    return result > 0 ? result : 0;
}

} // namespace fw
