// The file selector without a person: settings, the test answer, and the platform's fallback.
#include "CNewFileSelector.h"

#include <gtest/gtest.h>

using qgui::CFileExtension;
using qgui::CNewFileSelector;

namespace {

struct Selector {
    explicit Selector(CNewFileSelector::Style style) : selector(CNewFileSelector::create(nullptr, style)) {}
    ~Selector()
    {
        selector->forget();
        CNewFileSelector::setTestAnswer(nullptr);
    }
    CNewFileSelector* operator->() { return selector; }
    CNewFileSelector* selector;
};

} // namespace

TEST(FileSelector, DefaultExtensionIsOfferedOnce)
{
    Selector save(CNewFileSelector::kSelectSaveFile);
    CFileExtension preset("Quorvel Preset", "qxp");
    save->addFileExtension(preset);
    save->setDefaultExtension(preset);
    save->setDefaultExtension(CFileExtension("Quorvel Bank", "qxb"));
    ASSERT_EQ(save->getFileExtensions().size(), 2u);
    EXPECT_EQ(save->getFileExtensions()[0], preset);
    ASSERT_NE(save->getDefaultExtension(), nullptr);
    EXPECT_EQ(save->getDefaultExtension()->getExtension(), "qxb");
}

TEST(FileSelector, TestAnswerChoosesOrCancels)
{
    Selector open(CNewFileSelector::kSelectFile);
    open->setTitle("Load preset");
    std::string seenTitle;
    CNewFileSelector::setTestAnswer([&](const CNewFileSelector& s) -> std::optional<std::string> {
        seenTitle = s.getTitle();
        return std::string("/some/where/file.qxp");
    });
    EXPECT_TRUE(open->runModal());
    EXPECT_EQ(seenTitle, "Load preset");
    ASSERT_EQ(open->getNumSelectedFiles(), 1);
    EXPECT_STREQ(open->getSelectedFile(0), "/some/where/file.qxp");
    EXPECT_EQ(open->getSelectedFile(1), nullptr);
    EXPECT_EQ(open->getSelectedFile(-1), nullptr);

    CNewFileSelector::setTestAnswer([](const CNewFileSelector&) { return std::optional<std::string>(); });
    EXPECT_FALSE(open->runModal());
    EXPECT_EQ(open->getNumSelectedFiles(), 0) << "a cancelled run forgets the earlier choice";
}

#ifndef _WIN32
TEST(FileSelector, WithoutANativeDialogEverySelectorIsCancelled)
{
    Selector open(CNewFileSelector::kSelectFile);
    EXPECT_FALSE(open->runModal());
    EXPECT_EQ(open->getNumSelectedFiles(), 0);
}
#endif
