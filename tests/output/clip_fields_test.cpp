// Edits of the field list that the window's tests do not reach.
#include "clip_fields.h"

#include <gtest/gtest.h>

using namespace vd;

namespace {

ClipFieldEditor Editor() {
    ClipFieldEditor e;
    e.fields = {{"Model", true, "Fan model", "1"},
                {"Speed", false, "Rated speed", "6"},
                {"Empty Field [Price]", true, "Empty Field", "-1"}};
    return e;
}

} // namespace

TEST(ClipFieldEditor, MoveCarriesMarkDescriptionAndColumn) {
    ClipFieldEditor e = Editor();
    e.Select(1);
    ASSERT_TRUE(e.MoveSelected(-1));
    EXPECT_EQ(e.Selected(), 0);
    EXPECT_EQ(e.fields[0].Caption, "Speed");
    EXPECT_FALSE(e.fields[0].Included);
    EXPECT_EQ(e.fields[0].Description, "Rated speed");
    EXPECT_EQ(e.fields[0].Column, "6");
    EXPECT_EQ(e.fields[1].Caption, "Model");
    EXPECT_TRUE(e.fields[1].Included);
    ASSERT_TRUE(e.MoveSelected(+1));
    EXPECT_EQ(e.fields[1].Caption, "Speed");
    EXPECT_EQ(e.Selected(), 1);
}

TEST(ClipFieldEditor, EmptyFieldIsTheCaptionsFirstElevenCharacters) {
    EXPECT_TRUE(IsEmptyFieldCaption("Empty Field"));
    EXPECT_TRUE(IsEmptyFieldCaption("Empty Fields of rye"));
    EXPECT_FALSE(IsEmptyFieldCaption("Empty Fiel"));
    EXPECT_FALSE(IsEmptyFieldCaption("empty field"));
    EXPECT_FALSE(IsEmptyFieldCaption(" Empty Field"));
}

TEST(ClipFieldEditor, OrdinaryEntriesRefuseAnnotateAndDelete) {
    ClipFieldEditor e = Editor();
    e.Select(1);
    EXPECT_FALSE(e.AnnotateSelected("x"));
    EXPECT_FALSE(e.DeleteSelected());
    EXPECT_EQ(e.fields.size(), 3u);
    EXPECT_EQ(e.fields[1].Caption, "Speed");
    e.Select(-1);
    EXPECT_FALSE(e.DeleteSelected());
    // A caption that says "Empty Field" is one for these, whatever its column.
    e.fields[0] = {"Empty Field old", true, "Model", "1"};
    e.Select(0);
    EXPECT_TRUE(e.AnnotateSelected("New"));
    EXPECT_EQ(e.fields[0].Column, "1");
}

TEST(ClipFieldEditor, DeletingTheFirstSelectsTheNewFirstOrNothing) {
    ClipFieldEditor e;
    e.AddEmptyField();
    e.AddEmptyField();
    e.Select(0);
    ASSERT_TRUE(e.DeleteSelected());
    EXPECT_EQ(e.Selected(), 0);
    ASSERT_TRUE(e.DeleteSelected());
    EXPECT_EQ(e.Selected(), -1);
    EXPECT_TRUE(e.fields.empty());
}
