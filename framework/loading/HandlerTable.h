// The event handlers a form offers to its layout, by name.
#pragma once

#include "framework/core/Text.h"
#include "framework/core/Types.h"

#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace fw {

using AnyHandler = std::variant<TNotifyEvent, TKeyEvent, TKeyPressEvent, TMouseEvent, TCloseEvent>;

class HandlerTable {
public:
    // A handler added again under its name replaces the first one.
    void Add(const std::string& name, AnyHandler handler);

    // Binds a member function of the form: Add("FormCreate", this, &TForm1::FormCreate).
    template <class F, class... Args>
    void Add(const std::string& name, F* form, void (F::*method)(Args...)) {
        Add(name, MakeHandler<Args...>(form, method));
    }

    const AnyHandler* Find(std::string_view name) const;

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

    // A form's few dozen handlers: a list looked through is enough.
    std::vector<std::pair<std::string, AnyHandler>> handlers_;
};

} // namespace fw
