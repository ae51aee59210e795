// One file type offered by a file selector: a description for people and the extension itself.
#pragma once

#include <string>

namespace qgui {

class CFileExtension {
public:
    // extension without the dot, e.g. "qxp"
    CFileExtension(std::string description, std::string extension)
        : description(std::move(description)), extension(std::move(extension))
    {
    }

    const std::string& getDescription() const { return description; }
    const std::string& getExtension() const { return extension; }

    bool operator==(const CFileExtension& other) const
    {
        return description == other.description && extension == other.extension;
    }

private:
    std::string description;
    std::string extension;
};

} // namespace qgui
