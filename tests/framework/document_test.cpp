#include "framework/document.h"
#include "framework/view.h"

#include <gtest/gtest.h>

namespace {
class CPlainDoc : public CDocument {
public:
    bool OnOpenDocument(const std::string&) override { return true; }
    bool OnSaveDocument(const std::string&) override { return true; }
    bool DoFileSave() override { return true; }
};
class CCountingView : public CView {
public:
    void OnUpdate() override { ++updates; }
    int updates = 0;
};
} // namespace

TEST(Document, PathGivesTitleAndReachesTheRecentFileListener) {
    CPlainDoc doc;
    std::string adopted;
    doc.onPathAdopted = [&](const std::string& p) { adopted = p; };
    doc.SetPathName("/site/lobby/hotel.kvx");
    EXPECT_EQ(doc.GetTitle(), "hotel.kvx");
    EXPECT_EQ(adopted, "/site/lobby/hotel.kvx");
}

TEST(Document, ViewsDetachWhenTheDocumentGoesFirst) {
    CCountingView a, b;
    {
        CPlainDoc doc;
        doc.AddView(&a);
        doc.AddView(&b);
        doc.AddView(&a); // twice is once
        EXPECT_EQ(doc.GetViews().size(), 2u);
        EXPECT_EQ(doc.GetFirstView(), &a);
        doc.UpdateAllViews(&a);
        EXPECT_EQ(a.updates, 0);
        EXPECT_EQ(b.updates, 1);
    }
    EXPECT_EQ(a.GetDocument(), nullptr);
}

TEST(Document, ModifiedFlagNotifiesOnlyOnChange) {
    CPlainDoc doc;
    int notes = 0;
    doc.onStateChanged = [&](CDocument&) { ++notes; };
    doc.SetModifiedFlag();
    doc.SetModifiedFlag();
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(notes, 1);
    doc.OnNewDocument();
    EXPECT_FALSE(doc.IsModified());
}
