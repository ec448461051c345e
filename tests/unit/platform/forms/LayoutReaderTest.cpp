#include "TRecorder.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TTimer.h"
#include "platform/forms/FrameworkClasses.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TSpeedButton.h"
#include "platform/forms/TStatusBar.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class LayoutReader : public testing::Test {
protected:
    LayoutReader()
    {
        RegisterFrameworkClasses(registry);
        registry.Register<TRecorder>();
        RecorderLog().clear();
    }

    void Read(const std::string& text) { ReadLayout(text, form, registry, form.Handlers()); }

    std::string ErrorOf(const std::string& text)
    {
        TForm scratch;
        try {
            ReadLayout(text, scratch, registry, handlers);
        } catch (const EReadError& error) {
            return error.Message();
        }
        return "no error";
    }

    template <class T> T* Find(const char* name) { return form.findChild<T*>(name); }

    TClassRegistry registry;
    THandlerTable handlers;
    TForm form;
};

TEST_F(LayoutReader, MakesComponentsInTreeOrderAndSetsPropertiesRightAfterEach)
{
    Read(R"(object root: TForm
  Caption = 'Root'
  object outer: TRecorder
    Number = 1
    object inner: TRecorder
      Text = 'x'
    end
    Flag = True
  end
  object second: TRecorder
    Shade = 5
  end
end
)");
    std::vector<std::string> expected = { " create in root", "outer Number", " create in outer",
        "inner Text", "outer Flag", " create in root", "second Shade",
        // Loading ends only when the whole tree is read, in creation order.
        "outer Loaded", "inner Loaded", "second Loaded" };
    EXPECT_EQ(RecorderLog(), expected);
    EXPECT_EQ(form.objectName(), "root");
    EXPECT_EQ(form.windowTitle(), "Root");
    auto* inner = Find<TRecorder>("inner");
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->parentWidget(), Find<TRecorder>("outer"));
    EXPECT_FALSE(inner->Loading());
}

TEST_F(LayoutReader, SetsReferencesWhenAllIsReadAndBeforeLoaded)
{
    Read(R"(object root: TForm
  object early: TRecorder
    Ticker = late
    Number = 1
  end
  object late: TTimer
  end
end
)");
    std::vector<std::string> expected
        = { " create in root", "early Number", "early Ticker late", "early Loaded" };
    EXPECT_EQ(RecorderLog(), expected);
    EXPECT_EQ(Find<TRecorder>("early")->Ticker(), Find<TTimer>("late"));
}

TEST_F(LayoutReader, ConvertsEveryKindOfValue)
{
    Read(R"(object root: TForm
  object r: TRecorder
    Left = -3
    Width = 20
    Number = -2147483648
    Shade = $C82C00
    Text = 'Varnel  Zintaro ''2'' 汉字'
    Flag = True
    Kind = kdSecond
    Options = [opRed, opBlue]
    Names = (sTS_main 'two words' 7)
    Color = clBtnFace
    Align = alNone
    Cursor = crHandPoint
  end
  object r2: TRecorder
    Shade = clWhite
    Text = sTS_main
    Options = []
    Font.Style = [fsBold, fsUnderline]
    Font.Height = -21
    Font.Name = 'Verdana'
  end
end
)");
    auto* r = Find<TRecorder>("r");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Left(), -3);
    EXPECT_EQ(r->Width(), 20);
    EXPECT_EQ(r->Number(), INT_MIN);
    EXPECT_EQ(r->Shade(), 0xC82C00u);
    EXPECT_EQ(r->Text().toStdString(), "Varnel  Zintaro '2' 汉字");
    EXPECT_TRUE(r->Flag());
    EXPECT_EQ(r->Kind(), TRecorder::kdSecond);
    EXPECT_EQ(r->Options(), TRecorder::TOptions(TRecorder::opRed | TRecorder::opBlue));
    EXPECT_EQ(r->Names(), QStringList({ "sTS_main", "two words", "7" }));
    EXPECT_EQ(r->Color(), clBtnFace);
    EXPECT_EQ(r->Cursor(), TControl::crHandPoint);

    auto* r2 = Find<TRecorder>("r2");
    ASSERT_NE(r2, nullptr);
    EXPECT_EQ(r2->Shade(), clWhite);
    EXPECT_EQ(r2->Text(), "sTS_main");
    EXPECT_EQ(r2->Options(), TRecorder::TOptions());
    EXPECT_EQ(r2->Font()->Styles(), unsigned(TFont::fsBold | TFont::fsUnderline));
    EXPECT_EQ(r2->Font()->Height(), -21);
    EXPECT_EQ(r2->Font()->Name(), "Verdana");
    EXPECT_FALSE(r2->ParentFont());
}

TEST_F(LayoutReader, AppliesTheRootsPropertiesIncludingNestedObjects)
{
    Read(R"(object frm_main: TForm
  Width = 100
  Height = 80
  Constraints.MinWidth = 150
  Position = poScreenCenter
  KeyPreview = True
end)");
    EXPECT_EQ(form.minimumWidth(), 150);
    EXPECT_EQ(form.Width(), 150) << "the window is never narrower than its minimum";
    EXPECT_EQ(form.Height(), 80);
    EXPECT_EQ(form.Position(), TForm::poScreenCenter);
}

TEST_F(LayoutReader, NonVisualComponentsBecomeObjectChildrenOfTheirBlock)
{
    form.Handlers()["tmr_playTimer"] = [] { RecorderLog().push_back("tick"); };
    Read(R"(object root: TForm
  object holder: TRecorder
    object tmr_play: TTimer
      Enabled = False
      Interval = 250
      OnTimer = tmr_playTimer
    end
  end
end)");
    auto* timer = Find<TTimer>("tmr_play");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->parent(), Find<TRecorder>("holder"));
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 250);
    ASSERT_TRUE(timer->OnTimer);
    timer->OnTimer();
    EXPECT_EQ(RecorderLog().back(), "tick");
}

TEST_F(LayoutReader, BindsHandlersByName)
{
    int clicks = 0;
    int pings = 0;
    form.Handlers()["ButtonClick"] = [&] { ++clicks; };
    form.Handlers()["Ping"] = [&] { ++pings; };
    Read(R"(object root: TForm
  object b: TSpeedButton
    OnClick = ButtonClick
  end
  object r: TRecorder
    OnPing = Ping
    OnClick = ButtonClick
  end
end)");
    Find<TSpeedButton>("b")->OnClick();
    Find<TRecorder>("r")->OnPing();
    Find<TRecorder>("r")->OnClick();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(pings, 1);
}

TEST_F(LayoutReader, ReadsCollectionsReplacingTheItemsBefore)
{
    Read(R"(object root: TForm
  object sSB: TStatusBar
    Panels = <
      item
        Width = 200
      end
      item
        Width = 100
        Text = 'x'
      end
      item
        Width = 200
      end>
  end
  object r: TRecorder
    Items = < item Size = 1 Items = < item Size = 2 end item Size = 3 end > end >
  end
end)");
    auto* bar = Find<TStatusBar>("sSB");
    ASSERT_EQ(bar->PanelCount(), 3);
    EXPECT_EQ(bar->Panel(0).Width(), 200);
    EXPECT_EQ(bar->Panel(1).Width(), 100);
    EXPECT_EQ(bar->PanelText(1), "x");
    EXPECT_EQ(bar->Panel(2).Width(), 200);

    auto* r = Find<TRecorder>("r");
    ASSERT_EQ(r->items.size(), 1u);
    ASSERT_EQ(r->items[0]->items.size(), 2u);
    EXPECT_EQ(r->items[0]->items[1]->Size(), 3);

    TForm again;
    ReadLayout("object a: TForm object s: TStatusBar Panels = < item end > Panels = <> end end",
        again, registry, handlers);
    EXPECT_EQ(again.findChild<TStatusBar*>("s")->PanelCount(), 0);
}

struct TBadLayout {
    const char* text;
    const char* message;
};

class BadLayout : public testing::TestWithParam<TBadLayout> { };

TEST_P(BadLayout, FailsWithTheLineAndTheReason)
{
    TClassRegistry registry;
    RegisterFrameworkClasses(registry);
    registry.Register<TRecorder>();
    THandlerTable handlers { { "Known", [] {} } };
    TForm root;
    try {
        ReadLayout(GetParam().text, root, registry, handlers);
        FAIL() << "no error";
    } catch (const EReadError& error) {
        EXPECT_EQ(error.Message(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, BadLayout,
    testing::Values(TBadLayout { "object f: TForm\n  object b: TSpeedButtn\n  end\nend",
                        "Line 2: unknown class \"TSpeedButtn\"" },
        TBadLayout { "object f: TForm\n  object b: TSpeedButton\n    Left = 1\n    Captoin = 'x'\n"
                     "  end\nend",
            "Line 4: unknown property \"Captoin\" of TSpeedButton" },
        TBadLayout { "object f: TForm\n  Font.Heigth = 3\nend",
            "Line 2: unknown property \"Font.Heigth\" of TForm" },
        TBadLayout { "object f: TForm\n  Width.Low = 3\nend",
            "Line 2: unknown property \"Width.Low\" of TForm" },
        TBadLayout { "object f: TForm\n  objectName = 'x'\nend",
            "Line 2: unknown property \"objectName\" of TForm" },
        TBadLayout {
            "object f: TForm\n  Font = 3\nend", "Line 2: unknown property \"Font\" of TForm" },
        TBadLayout { "object f: TForm\n  Width = 'wide'\nend",
            "Line 2: invalid value for property \"Width\" of TForm" },
        TBadLayout { "object f: TForm\n  Visible = 1\nend",
            "Line 2: invalid value for property \"Visible\" of TForm" },
        TBadLayout { "object f: TForm\n  Align = alMiddle\nend",
            "Line 2: invalid value for property \"Align\" of TForm" },
        TBadLayout { "object f: TForm\n  Width = $FFFFFFFF\nend",
            "Line 2: invalid value for property \"Width\" of TForm" },
        TBadLayout { "object f: TForm\n  Color = clPurple\nend",
            "Line 2: invalid value for property \"Color\" of TForm" },
        TBadLayout { "object f: TForm\n  Caption = 12\nend",
            "Line 2: invalid value for property \"Caption\" of TForm" },
        TBadLayout { "object f: TForm\n  object r: TRecorder\n    Options = [opRed, opPink]\n"
                     "  end\nend",
            "Line 3: invalid value for property \"Options\" of TRecorder" },
        TBadLayout { "object f: TForm\n  object r: TRecorder\n    Picky = -1\n  end\nend",
            "Line 3: Picky must not be negative" },
        TBadLayout {
            "object f: TForm\n  OnClick = Unknown\nend", "Line 2: unknown handler \"Unknown\"" },
        TBadLayout {
            "object f: TForm\n  OnClick = 'Known'\nend", "Line 2: unknown handler \"Known\"" },
        TBadLayout { "object f: TForm\n  OnClack = Known\nend",
            "Line 2: unknown property \"OnClack\" of TForm" },
        TBadLayout { "object f: TForm\n  object b: TSpeedButton\n    Left = 1\n  end\n\n",
            "Line 4: missing \"end\" of f" },
        TBadLayout { "object f: TForm\nend\nend", "Line 3: unexpected \"end\"" },
        TBadLayout { "object f: TForm\n  Width = 10 20\nend", "Line 2: unexpected 20" },
        TBadLayout { "object f: TForm\n  Width 10\nend", "Line 2: \"=\" expected, not 10" },
        TBadLayout { "object f: TForm\n  Caption = 'open\nend", "Line 2: unterminated string" },
        TBadLayout { "object f: TForm\n  Width = 99999999999\nend", "Line 2: number out of range" },
        TBadLayout { "object f: TForm\n  Width = %\nend", "Line 2: unexpected character \"%\"" },
        TBadLayout { "object f: TForm\n\n  \x01\nend", "Line 3: unexpected byte $01" },
        TBadLayout { "object f: TForm\n  object a: TLabel\n  end\n  object a: TLabel\n  end\nend",
            "Line 4: a component named \"a\" already exists" },
        TBadLayout { "object f: TForm\n  object t: TTimer\n    object b: TSpeedButton\n    end\n"
                     "  end\nend",
            "Line 3: control \"b\" cannot be placed on the non-visual component \"t\"" },
        TBadLayout {
            "object f: Tfrm_other\nend", "Line 1: the layout is of \"Tfrm_other\", not of TForm" },
        TBadLayout { "", "Line 1: \"object\" expected, not end of text" },
        TBadLayout { "object f: TForm\n  object r: TRecorder\n    Ticker = t2\n  end\n"
                     "  object t: TTimer\n  end\nend",
            "Line 3: unknown component \"t2\"" },
        TBadLayout { "object f: TForm\n  object r: TRecorder\n    Ticker = l\n  end\n"
                     "  object l: TLabel\n  end\nend",
            "Line 3: \"l\" is a TLabel, not a TTimer" },
        TBadLayout { "object f: TForm\n  object r: TRecorder\n    Ticker = 'l'\n  end\nend",
            "Line 3: invalid value for property \"Ticker\" of TRecorder" },
        TBadLayout { "object f: TForm\n  Width = <\n  >\nend",
            "Line 2: unknown property \"Width\" of TForm" },
        TBadLayout { "object f: TForm\n  object s: TStatusBar\n    Panels = <\n      item\n"
                     "        Widht = 3\n      end>\n  end\nend",
            "Line 5: unknown property \"Widht\" of TStatusPanel" },
        TBadLayout { "object f: TForm\n  object s: TStatusBar\n    Panels = <\n      item\n"
                     "        Width = 3\n",
            "Line 5: missing \"end\" of an item" },
        TBadLayout { "object f: TForm\n  object s: TStatusBar\n    Panels = < junk >\n  end\nend",
            "Line 3: unexpected \"junk\"" }));

std::string Nested(int levels)
{
    std::string text = "object root: TForm\n";
    for (int i = 0; i < levels; ++i)
        text += "object l" + std::to_string(i) + ": TRecorder\n";
    for (int i = 0; i < levels; ++i)
        text += "end\n";
    return text + "end\n";
}

TEST_F(LayoutReader, CapsTheNestingDepth)
{
    EXPECT_EQ(ErrorOf(Nested(31)), "no error");
    EXPECT_EQ(ErrorOf(Nested(32)), "Line 33: components nested deeper than 32 levels");
    // Far deeper input fails just as fast, without deep recursion.
    EXPECT_EQ(ErrorOf(Nested(100000)), "Line 33: components nested deeper than 32 levels");

    std::string lists = "object root: TForm\nobject r: TRecorder\n";
    for (int i = 0; i < 40; ++i)
        lists += "Items = < item\n";
    EXPECT_EQ(ErrorOf(lists), "Line 33: collections nested deeper than 32 levels");
}

} // namespace
