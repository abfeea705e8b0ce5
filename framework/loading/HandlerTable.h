// The event handlers a form offers to its layout, by name.
#pragma once

#include "framework/core/Text.h"
#include "framework/core/Types.h"

#include <map>
#include <string>
#include <tuple>
#include <type_traits>
#include <variant>

namespace fw {

using AnyHandler = std::variant<TNotifyEvent, TKeyEvent, TKeyPressEvent, TMouseEvent, TCloseEvent>;

class HandlerTable {
public:
    void Add(const std::string& name, AnyHandler handler) { handlers_[name] = std::move(handler); }

    // Binds a member function of the form: Add("FormCreate", this, &TForm1::FormCreate).
    template <class F, class... Args>
    void Add(const std::string& name, F* form, void (F::*method)(Args...)) {
        Add(name, MakeHandler<Args...>(form, method));
    }

    const AnyHandler* Find(const std::string& name) const {
        auto it = handlers_.find(name);
        return it == handlers_.end() ? nullptr : &it->second;
    }

private:
    template <class... Args, class F>
    static AnyHandler MakeHandler(F* form, void (F::*method)(Args...)) {
        auto call = [form, method](Args... args) { (form->*method)(std::forward<Args>(args)...); };
        if constexpr (sizeof...(Args) == 1)
            return TNotifyEvent(call);
        else if constexpr (sizeof...(Args) == 3)
            return TKeyEvent(call);
        else if constexpr (sizeof...(Args) == 2 &&
                           std::is_same_v<std::tuple_element_t<1, std::tuple<Args...>>, char&>)
            return TKeyPressEvent(call);
        else if constexpr (sizeof...(Args) == 5)
            return TMouseEvent(call);
        else
            return TCloseEvent(call);
    }

    std::map<std::string, AnyHandler, NameLess> handlers_;
};

} // namespace fw
