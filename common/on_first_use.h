#pragma once
// A window made the first time it is asked for: start-up makes only the main window, and a window
// makes the windows it opens only when they are first opened.

#include <functional>
#include <utility>

namespace orvane {

// Asking for the window (`get()`, `->`, `*`) makes it on the first call, as its first opening
// does, and gives the same window ever after. Whoever makes it owns it (a Qt parent, say); this
// only remembers it.
template <class Window> class OnFirstUse {
  public:
    OnFirstUse() = default;
    explicit OnFirstUse(std::function<Window*()> make) : m_make(std::move(make)) {}
    // One window a run: two holders of the same maker would make two.
    OnFirstUse(const OnFirstUse&) = delete;
    OnFirstUse& operator=(const OnFirstUse&) = delete;
    OnFirstUse(OnFirstUse&&) = default;
    OnFirstUse& operator=(OnFirstUse&&) = default;

    // The window, made now if it was never asked for; nullptr only when nothing can make it.
    Window* get() {
        if (!m_window && m_make)
            m_window = m_make();
        return m_window;
    }
    Window* operator->() { return get(); }
    Window& operator*() { return *get(); }

    // The window if it was made, without making it.
    Window* ifMade() const { return m_window; }

  private:
    std::function<Window*()> m_make;
    Window* m_window = nullptr;
};

} // namespace orvane
