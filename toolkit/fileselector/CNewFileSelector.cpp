#include "CNewFileSelector.h"

#include "NativeFileDialog.h"

#include <mutex>

namespace qgui {

namespace {
std::mutex testAnswerMutex;
CNewFileSelector::TestAnswer& testAnswer()
{
    static CNewFileSelector::TestAnswer answer;
    return answer;
}
} // namespace

CNewFileSelector* CNewFileSelector::create(CFrame* parent, Style style)
{
    return new CNewFileSelector(parent, style);
}

void CNewFileSelector::setDefaultExtension(const CFileExtension& extension)
{
    defaultExtension = extension;
    for (const CFileExtension& known : extensions)
        if (known == extension)
            return;
    extensions.push_back(extension);
}

void CNewFileSelector::setTestAnswer(TestAnswer answer)
{
    std::lock_guard<std::mutex> lock(testAnswerMutex);
    testAnswer() = std::move(answer);
}

bool CNewFileSelector::runModal()
{
    selected.clear();
    TestAnswer answer;
    {
        std::lock_guard<std::mutex> lock(testAnswerMutex);
        answer = testAnswer();
    }
    if (answer) {
        if (std::optional<std::string> path = answer(*this))
            selected.push_back(*path);
    } else {
        runNativeFileDialog(*this, selected);
    }
    return !selected.empty();
}

const char* CNewFileSelector::getSelectedFile(int index) const
{
    if (index < 0 || index >= getNumSelectedFiles())
        return nullptr;
    return selected[static_cast<std::size_t>(index)].c_str();
}

} // namespace qgui
