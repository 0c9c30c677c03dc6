// The All and None captions of the selection page show whole whatever font
// the desktop gives the application, on buttons of unchanged size and place.
#include "ConfigTestSupport.h"

#include "widgets/oxBtns.h"

using namespace cfgtest;

namespace {

class SelectCaptions : public ConfigFolder,
                       public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        ConfigFolder::SetUp();
        Images({"confetti.jpg"});
        LoadSettings();
        FFormer = QApplication::font();
        // A desktop's own font, at the sizes desktops ship.
        QFont desktop(QStringLiteral("DejaVu Sans"));
        desktop.setPointSize(GetParam());
        QApplication::setFont(desktop);
    }
    void TearDown() override
    {
        QApplication::setFont(FFormer);
        ConfigFolder::TearDown();
    }
    QFont FFormer;
};

} // namespace

TEST_P(SelectCaptions, NoneAndAllShowWholeOnTheirOwnButtons)
{
    TfmConfig dlg;
    Show(dlg);
    ShowPage(dlg, 2);
    const std::pair<ToxButton *, QRect> buttons[] = {
        {dlg.btAllNew, {44, 265, 33, 22}},   {dlg.btAllNow, {208, 265, 33, 22}},  {dlg.btAllKnow, {356, 265, 33, 22}},
        {dlg.btNoneNew, {76, 265, 37, 22}},  {dlg.btNoneNow, {240, 265, 37, 22}}, {dlg.btNoneKnow, {388, 265, 37, 22}},
    };
    for (const auto &[b, place] : buttons) {
        EXPECT_EQ(b->geometry(), place) << b->text().toStdString();
        const QRect caption = b->CaptionRect();
        EXPECT_TRUE(b->rect().contains(caption))
            << b->text().toStdString() << " needs " << caption.x() << "+" << caption.width() << " of " << b->width();
        EXPECT_EQ(QFontInfo(b->font()).pixelSize(), 11) << "the dialog's font, " << b->text().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(DesktopFontSizes, SelectCaptions, ::testing::Values(10, 12, 16));

// A desktop without Arial or a look-alike draws the dialog's font in its own
// sans serif, here DejaVu Sans, in which "None" at 11 pixels runs past the
// button's left edge.
TEST_P(SelectCaptions, NoneShowsWholeWhereArialIsDrawnInDejaVuSans)
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("DejaVu Sans"));
    struct Undo {
        ~Undo() { QFont::removeSubstitutions(QStringLiteral("Arial")); }
    } undo;
    TfmConfig dlg;
    Show(dlg);
    ShowPage(dlg, 2);
    ASSERT_EQ(QFontInfo(dlg.btNoneNow->font()).family(), "DejaVu Sans");
    for (ToxButton *b : {dlg.btNoneNew, dlg.btNoneNow, dlg.btNoneKnow}) {
        const QRect caption = b->CaptionRect();
        EXPECT_TRUE(b->rect().contains(caption)) << caption.x() << "+" << caption.width() << " of " << b->width();
        EXPECT_EQ(QFontInfo(b->font()).pixelSize(), 10) << "one pixel smaller is enough";
        EXPECT_EQ(b->geometry().size(), QSize(37, 22));
    }
}
