// Reference counting for toolkit objects: the creator holds the first reference, every other
// holder takes one with remember() and gives it back with forget(); the last forget deletes.
#pragma once

#include <cassert>
#include <utility>

namespace qgui {

class CBaseObject {
public:
    CBaseObject() = default;
    CBaseObject(const CBaseObject&) : references(1) {}
    CBaseObject& operator=(const CBaseObject&) { return *this; }
    virtual ~CBaseObject() = default;

    void remember() { ++references; }
    void forget()
    {
        assert(references > 0);
        if (--references == 0)
            delete this;
    }
    int getNbReference() const { return references; }

private:
    int references = 1;
};

// Holds one reference for its lifetime; for objects shared between owners.
template <class T>
class SharedPointer {
public:
    SharedPointer() = default;
    // Takes a new reference to object (adopt = false) or the caller's (adopt = true).
    explicit SharedPointer(T* object, bool adopt = false) : object(object)
    {
        if (object && !adopt)
            object->remember();
    }
    SharedPointer(const SharedPointer& other) : SharedPointer(other.object) {}
    SharedPointer(SharedPointer&& other) noexcept : object(std::exchange(other.object, nullptr)) {}
    SharedPointer& operator=(SharedPointer other) noexcept
    {
        std::swap(object, other.object);
        return *this;
    }
    ~SharedPointer()
    {
        if (object)
            object->forget();
    }

    T* get() const { return object; }
    T* operator->() const { return object; }
    T& operator*() const { return *object; }
    explicit operator bool() const { return object != nullptr; }

private:
    T* object = nullptr;
};

} // namespace qgui
