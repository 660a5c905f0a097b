#pragma once

#include "remote/handlers/ArgumentParsers.h"
#include "remote/handlers/ScpiTypes.h"
#include "remote/parser/AutomationException.h"
#include "remote/parser/DeviceFunctions.h"
#include "remote/parser/ScpiHandlerBase.h"

#include <QDebug>

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <tuple>
#include <type_traits>
#include <utility>

namespace Orlix::Automation::ScpiHandlerCreator {

// Turns the text of a "#" suffix into its 0-based index.
inline bool parseNumericIndex(const char* begin, const char* end, NumericIndex& index)
{
    int suffix = 0;
    if (!DeviceFunctions::parseNumericSuffix(begin, end, suffix))
        return false;
    index.value = std::uint32_t(suffix - 1);
    return true;
}

// The capture type of a handler function: its first parameter.
template<typename F>
struct FunctionTraits;

template<typename R, typename Capture, typename... Rest>
struct FunctionTraits<R (*)(Capture, Rest...)>
{
    using CaptureType = Capture;
};

template<typename R, typename Capture, typename... Rest>
struct FunctionTraits<std::function<R(Capture, Rest...)>>
{
    using CaptureType = Capture;
};

template<typename Objects, typename Suffixes, typename Arguments>
class HandlerWithArgs;

// Parses the suffixes and typed arguments of one command and keeps them
// until the command has run. Objects: none or the line's DeviceFunctions*;
// suffixes: NumericIndex values; arguments: types with an ArgumentParser.
template<typename... O, typename... S, typename... A>
class HandlerWithArgs<Types<O...>, Types<S...>, Types<A...>> : public ScpiHandlerBase
{
    static_assert(sizeof...(O) <= 1, "a handler takes at most one object");
    static_assert((std::is_same<O, DeviceFunctions*>::value && ...), "the only object is the line's DeviceFunctions*");
    static_assert((std::is_same<S, NumericIndex>::value && ...), "suffixes are NumericIndex values");

public:
    bool parseSuffix(const char* begin, const char* end) override
    {
        if (filledSuffixes == sizeof...(S)) {
            qCritical() << "All suffixes already filled";
            return false;
        }
        NumericIndex index;
        if (!parseNumericIndex(begin, end, index))
            return false;
        suffixes[filledSuffixes++] = index;
        return true;
    }

    bool parseArguments(const char* begin, const char* end) override
    {
        const char* cursor = begin;
        DeviceFunctions::skipWhitespace(cursor, end);
        return parseEach(cursor, end, std::index_sequence_for<A...>{}) && cursor == end;
    }

    void setObject(DeviceFunctions* functions) override
    {
        if constexpr (sizeof...(O) == 1)
            std::get<0>(objects) = functions;
        else
            (void)functions;
    }

    void reset() override
    {
        filledSuffixes = 0;
        suffixes = {};
        arguments = {};
    }

protected:
    std::tuple<O...> objects{};
    std::array<NumericIndex, sizeof...(S)> suffixes{};
    std::size_t filledSuffixes = 0;
    std::tuple<A...> arguments{};

private:
    // Each argument in order, with exactly one "," between two of them and
    // none after the last.
    template<std::size_t... I>
    bool parseEach([[maybe_unused]] const char*& cursor, [[maybe_unused]] const char* end, std::index_sequence<I...>)
    {
        return (parseOne<I>(cursor, end) && ...);
    }

    template<std::size_t I>
    bool parseOne(const char*& cursor, const char* end)
    {
        using Argument = std::tuple_element_t<I, std::tuple<A...>>;
        if (!ArgumentParser<Argument>::parse(cursor, end, std::get<I>(arguments)))
            return false;
        const bool separated = DeviceFunctions::skipSeparator(cursor, end, ',');
        const bool last = I + 1 == sizeof...(A);
        return separated != last;
    }
};

// A handler bound at registration to a capture (the application's root
// object) and a function called with the capture, the objects, the suffixes
// and the arguments, in this order.
template<typename F, typename Objects, typename Suffixes, typename Arguments>
class ConstObjectHandler;

template<typename F, typename... O, typename... S, typename... A>
class ConstObjectHandler<F, Types<O...>, Types<S...>, Types<A...>>
    : public HandlerWithArgs<Types<O...>, Types<S...>, Types<A...>>
{
public:
    using Capture = typename FunctionTraits<F>::CaptureType;

    ConstObjectHandler(Capture capture, F function) : m_capture(capture), m_function(std::move(function)) {}

    void execute() override
    {
        if (this->filledSuffixes != sizeof...(S)) {
            qCritical() << "Not all suffixes are filled";
            throw AutomationException(220);
        }
        call(std::index_sequence_for<O...>{}, std::index_sequence_for<S...>{}, std::index_sequence_for<A...>{});
        this->reset();
    }

    std::unique_ptr<ScpiHandlerBase> clone() const override
    {
        return std::make_unique<ConstObjectHandler>(m_capture, m_function);
    }

private:
    template<std::size_t... OI, std::size_t... SI, std::size_t... AI>
    void call(std::index_sequence<OI...>, std::index_sequence<SI...>, std::index_sequence<AI...>)
    {
        m_function(m_capture, std::get<OI>(this->objects)..., std::as_const(this->suffixes[SI])...,
                   std::as_const(std::get<AI>(this->arguments))...);
    }

    Capture m_capture;
    F m_function;
};

// Binds the function type as the first template argument of a handler template,
// leaving the three type lists: BindFirstTypeArgument<ConstObjectHandler, F>::type<...>.
template<template<typename...> class Handler, typename F>
struct BindFirstTypeArgument
{
    template<typename... Lists>
    using type = Handler<F, Lists...>;
};

// The handler of one command, ready for DeviceFunctions::registerCommand. The
// function is a plain function pointer (a capture-less lambda with "+") or a
// std::function whose first parameter is the capture.
template<typename Objects, typename Suffixes, typename Arguments, typename F>
std::unique_ptr<ScpiHandlerBase> create(typename FunctionTraits<F>::CaptureType capture, F function)
{
    using Handler = typename BindFirstTypeArgument<ConstObjectHandler, F>::template type<Objects, Suffixes, Arguments>;
    return std::make_unique<Handler>(capture, std::move(function));
}

} // namespace Orlix::Automation::ScpiHandlerCreator
