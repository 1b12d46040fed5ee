#pragma once

#include <QMutex>
#include <QMutexLocker>

#include <atomic>
#include <memory>

namespace MovraGUIToolkit {

// Base of process-wide objects: the first instance() call creates the object
// (under a lock, tested again inside it) and it lives until the process exits.
template <typename T> class CUiSingleton
{
public:
    static T *instance()
    {
        T *object = s_instance.load(std::memory_order_acquire);
        if (!object) {
            QMutexLocker locker(&s_mutex);
            object = s_instance.load(std::memory_order_relaxed);
            if (!object) {
                static std::unique_ptr<T> holder;
                holder.reset(new T);
                object = holder.get();
                s_instance.store(object, std::memory_order_release);
            }
        }
        return object;
    }

protected:
    CUiSingleton() = default;
    ~CUiSingleton() = default;
    CUiSingleton(const CUiSingleton &) = delete;
    CUiSingleton &operator=(const CUiSingleton &) = delete;

private:
    static std::atomic<T *> s_instance;
    static QMutex s_mutex;
};

template <typename T> std::atomic<T *> CUiSingleton<T>::s_instance { nullptr };
template <typename T> QMutex CUiSingleton<T>::s_mutex;

} // namespace MovraGUIToolkit
