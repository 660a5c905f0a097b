#include "analyzer/threading/QuitNotice.h"

#include <list>
#include <mutex>
#include <vector>

namespace QuitNotice {

namespace {

struct Registry
{
    std::mutex mutex;
    std::list<Observer> observers;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

} // namespace

Observation observe(Observer observer)
{
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    const auto entry = r.observers.insert(r.observers.end(), std::move(observer));
    return std::shared_ptr<void>(nullptr, [entry](void*) {
        Registry& owner = registry();
        std::lock_guard<std::mutex> ownerLock(owner.mutex);
        owner.observers.erase(entry);
    });
}

void notify()
{
    std::vector<Observer> observers;
    {
        Registry& r = registry();
        std::lock_guard<std::mutex> lock(r.mutex);
        observers.assign(r.observers.begin(), r.observers.end());
    }
    // Outside the lock: an observer may interrupt work that registers or drops one.
    for (const Observer& observer : observers)
        observer();
}

} // namespace QuitNotice
