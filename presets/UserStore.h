// The per-user store of defaults, memories and recent paths, shared by every instance.
// Windows keeps it in the registry, elsewhere one file per value under the XDG config folder.
#pragma once

#include <cstddef>
#include <memory>

class UserStoreKey {
public:
    enum class Access {
        write,     // create missing keys, then write values
        query,     // read values of an existing key
        setValue,  // delete values of an existing key
    };

    explicit UserStoreKey(Access access);
    ~UserStoreKey();
    UserStoreKey(const UserStoreKey&) = delete;
    UserStoreKey& operator=(const UserStoreKey&) = delete;

    bool isOpen() const { return open; }

    // Failures of the value operations are silent, as with the registry.
    void setBinary(const char* name, const void* data, std::size_t size);
    // Stores 8-bit text of the current locale, with its terminator.
    void setText(const char* name, const char* text);
    // Fills buffer with the stored bytes; a missing value, or one larger than size, leaves it zero.
    void queryBinary(const char* name, void* buffer, std::size_t size);
    // Writes the stored text, cut at size - 1 characters and terminated; empty when missing.
    void queryText(const char* name, char* text, std::size_t size);
    void deleteValue(const char* name);

private:
    struct Handle;
    std::unique_ptr<Handle> handle;
    bool open = false;
};
