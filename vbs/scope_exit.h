#pragma once
// Runs a piece of code when a scope ends, however it ends: a script error leaves
// through a C++ exception, and what a call or a With block changed must be put back.
#include <utility>

namespace tabulo::vbs {

template<typename Undo> class OnScopeExit
{
public:
    explicit OnScopeExit(Undo undo)
        : m_undo(std::move(undo))
    {
    }
    ~OnScopeExit() { m_undo(); }
    OnScopeExit(const OnScopeExit &) = delete;
    OnScopeExit &operator=(const OnScopeExit &) = delete;

private:
    Undo m_undo;
};

} // namespace tabulo::vbs
