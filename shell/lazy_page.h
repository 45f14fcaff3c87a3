#pragma once
// A page of the main window made on first use: showing it, or reaching into
// it, builds it. A window starts sooner when the pages a user has not opened
// yet cost nothing.
#include <functional>
#include <utility>

namespace vd {

template <class P> class LazyPage {
  public:
    // `make` makes the page on the first use; `ready` then finishes it, and
    // may reach the page through this object.
    void SetBuild(std::function<P*()> make, std::function<void(P*)> ready) {
        make_ = std::move(make);
        ready_ = std::move(ready);
    }

    P* get() const {
        if (!page_ && make_) {
            page_ = make_();
            if (ready_)
                ready_(page_);
        }
        return page_;
    }
    P* operator->() const { return get(); }
    P& operator*() const { return *get(); }
    operator P*() const { return get(); }
    bool built() const { return page_ != nullptr; }

  private:
    std::function<P*()> make_;
    std::function<void(P*)> ready_;
    mutable P* page_ = nullptr;
};

} // namespace vd
