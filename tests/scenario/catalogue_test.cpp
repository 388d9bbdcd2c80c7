#include "image/image.h"
#include "objects/animation_table.h"
#include "objects/image_table.h"
#include "objects/objects.h"
#include "shader/effects.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <vector>

namespace {

enum Kind { ACTIVE, TEXT, BACKDROP, QUICK_BACKDROP, INI_KIND, PICTURE, LAYER, TOKENIZER };

const int HIDDEN = 1, FIXED = 2, BOX = 4, ADDITIVE = 8;
const int RANDOM_DIRECTION = -1;

struct Row {
    int id;
    const char* class_name;
    std::function<FrameObject*(int, int)> make;
    Kind kind;
    const char* name;
    int flags;
    int direction;
    std::vector<std::pair<char, double>> values;
};

#define TYPE(Class) #Class, [](int x, int y) -> FrameObject* { return new Class(x, y); }

const std::vector<Row>& catalogue()
{
    static const std::vector<Row> rows = {
        {1, TYPE(GameIni_0), INI_KIND, "Game.ini", 0, 0, {}},
        {2, TYPE(WorldIni_2), INI_KIND, "World.ini", 0, 0, {}},
        {3, TYPE(SettingsIni_3), INI_KIND, "Settings.ini", 0, 0, {}},
        {4, TYPE(Logotypes_11), ACTIVE, "Logotypes", HIDDEN, 0, {}},
        {5, TYPE(BrindleSettings_12), TEXT, "Brindle Settings", HIDDEN | FIXED, 0, {}},
        {6, TYPE(FrameVariables_13), ACTIVE, "Frame Variables", HIDDEN | BOX, 1, {}},
        {7, TYPE(LeftSlider_14), ACTIVE, "Left Slider", 0, 0, {}},
        {8, TYPE(RightSlider_15), ACTIVE, "Right Slider", 0, 0, {}},
        {9, TYPE(TitleFader_16), ACTIVE, "Title Fader", 0, 0, {}},
        {10, TYPE(TheGameFader_17), ACTIVE, "The Game Fader", 0, 0, {}},
        {11, TYPE(TitleLine_18), BACKDROP, "Title Line", 0, 0, {}},
        {12, TYPE(Title_19), BACKDROP, "Title", 0, 0, {}},
        {13, TYPE(DocumentaryTitle_20), BACKDROP, "Documentary Title", 0, 0, {}},
        {14, TYPE(SubLine_21), BACKDROP, "Sub Line", 0, 0, {}},
        {15, TYPE(LevelIni_22), INI_KIND, "Level Ini", 0, 0, {}},
        {16, TYPE(ItemsIni_23), INI_KIND, "Items.ini", 0, 0, {}},
        {17, TYPE(ReactionsIni_24), INI_KIND, "Reactions.ini", 0, 0, {}},
        {18, TYPE(ContainersIni_25), INI_KIND, "Containers.ini", 0, 0, {}},
        {19, TYPE(AbilitiesIni_26), INI_KIND, "Abilities.ini", 0, 0, {}},
        {20, TYPE(PowerConditionsIni_27), INI_KIND, "Power Conditions.ini", 0, 0, {}},
        {21, TYPE(PowersIni_28), INI_KIND, "Powers.ini", 0, 0, {}},
        {22, TYPE(VelmoraTitle_29), BACKDROP, "Velmora Title", 0, 0, {}},
        {23, TYPE(MainMenuSelector_30), ACTIVE, "Main Menu Selector", 0, 0, {{'A', 1}}},
        {24, TYPE(MainMenu_31), BACKDROP, "Main Menu", 0, 0, {}},
        {25, TYPE(SlotMenu_32), BACKDROP, "Slot Menu", 0, 0, {}},
        {26, TYPE(SlotMenuSelector_33), ACTIVE, "Slot Menu Selector", 0, 0, {}},
        {27, TYPE(KeyboardVariables_34), ACTIVE, "Keyboard Variables", BOX, 1, {}},
        {28, TYPE(EraseBlob_35), ACTIVE, "Erase Blob", HIDDEN, 0, {{'A', -1}}},
        {29, TYPE(ScreenFader_36), ACTIVE, "Screen Fader", FIXED | BOX, 1, {}},
        {30, TYPE(FrameVariables_37), ACTIVE, "Frame Variables", BOX, 1, {{'B', 6}, {'C', 6}, {'D', 22}}},
        {31, TYPE(OptionsMenu_38), BACKDROP, "Options Menu", 0, 0, {}},
        {32, TYPE(OptionsMenuSelector_39), ACTIVE, "Options Menu Selector", 0, 0, {}},
        {33, TYPE(TutorialLabel_41), BACKDROP, "Tutorial Label", 0, 0, {}},
        {34, TYPE(PlayLabel_42), BACKDROP, "Play Label", 0, 0, {}},
        {35, TYPE(EraseLabel_43), BACKDROP, "Erase Label", 0, 0, {}},
        {36, TYPE(OptionsLabel_44), BACKDROP, "Options Label", 0, 0, {}},
        {37, TYPE(FilmMusicLabel_45), BACKDROP, "Film & Music Label", 0, 0, {}},
        {38, TYPE(CreditsLabel_46), BACKDROP, "Credits Label", 0, 0, {}},
        {39, TYPE(ExitLabel_47), BACKDROP, "Exit Label", 0, 0, {}},
        {40, TYPE(BackLabel_48), BACKDROP, "Back Label", 0, 0, {}},
        {41, TYPE(HoldEnterToEraseLabel_49), ACTIVE, "Hold Enter to Erase Label", HIDDEN, 0, {}},
        {42, TYPE(QualityLabel_50), ACTIVE, "Quality Label", 0, 0, {}},
        {43, TYPE(FullscreenLabel_51), ACTIVE, "Fullscreen Label", 0, 0, {}},
        {44, TYPE(Slot1Label_52), ACTIVE, "Slot 1 Label", 0, 0, {}},
        {45, TYPE(Slot2Label_53), ACTIVE, "Slot 2 Label", 0, 0, {}},
        {46, TYPE(Slot3Label_54), ACTIVE, "Slot 3 Label", 0, 0, {}},
        {47,
         TYPE(RestartTheGameForWindowModeToUpdate_55),
         ACTIVE,
         "Restart the game for Window Mode to update",
         HIDDEN,
         0,
         {}},
        {48, TYPE(VelmoraLink_56), ACTIVE, "Velmora Link", ADDITIVE, 0, {}},
        {49, TYPE(OstrelBandcampLink_57), ACTIVE, "Ostrel Bandcamp Link", ADDITIVE, 0, {}},
        {50, TYPE(OstrelLink_58), ACTIVE, "Ostrel Link", ADDITIVE, 0, {}},
        {51, TYPE(Alchemyinfo_60), BACKDROP, "Alchemyinfo", 0, 0, {}},
        {52, TYPE(Ostrelinfo_61), BACKDROP, "Ostrelinfo", 0, 0, {}},
        {53, TYPE(PressEnterToContinue_62), BACKDROP, "Press Enter to continue", 0, 0, {}},
        {54, TYPE(Quilloninfo_63), BACKDROP, "Quilloninfo", 0, 0, {}},
        {55, TYPE(TarrowinLink_64), ACTIVE, "Tarrowin Link", ADDITIVE, 0, {}},
        {56, TYPE(GreenlightLink_65), ACTIVE, "Greenlight Link", ADDITIVE, 0, {}},
        {57, TYPE(GradientBottom_66), ACTIVE, "Gradient Bottom", 0, 1, {}},
        {58, TYPE(TilePaster_67), ACTIVE, "Tile Paster", HIDDEN | BOX, RANDOM_DIRECTION, {}},
        {59, TYPE(SceneryGeneratorVariables_68), ACTIVE, "Scenery Generator Variables", BOX, 1, {}},
        {60, TYPE(SceneryGeneratorConstants_69), ACTIVE, "Scenery Generator Constants", BOX, 1, {}},
        {61, TYPE(SineRotator_70), ACTIVE, "Sine Rotator", 0, RANDOM_DIRECTION, {}},
        {62, TYPE(Glow1_71), ACTIVE, "Glow 1", 0, 0, {}},
        {63, TYPE(Tokenizer_72), TOKENIZER, "Tokenizer", 0, 0, {}},
        {64, TYPE(StaticDecorationAnimation_73), ACTIVE, "Static Decoration & Animation", 0, RANDOM_DIRECTION, {}},
        {66, TYPE(Firefly_75), ACTIVE, "Firefly", 0, 0, {{'B', 50}, {'C', 97}, {'D', 55}}},
        {67, TYPE(Glow2_76), ACTIVE, "Glow 2", 0, 0, {}},
        {68, TYPE(Glow3_77), ACTIVE, "Glow 3", 0, 0, {}},
        {69, TYPE(Glow4_78), ACTIVE, "Glow 4", 0, 0, {}},
        {70, TYPE(Fog5_79), ACTIVE, "Fog 5", 0, 0, {}},
        {71, TYPE(Fog6_80), ACTIVE, "Fog 6", 0, 0, {}},
        {72, TYPE(ObstacleTilePaster_81), ACTIVE, "Obstacle Tile Paster", HIDDEN, 0, {}},
        {73, TYPE(TheAlchemist_82), ACTIVE, "The Alchemist", HIDDEN, 0, {}},
        {74, TYPE(KeyboardVariables_83), ACTIVE, "Keyboard Variables", BOX, 1, {{'Q', 1}}},
        {75, TYPE(ContainerDisplay_84), ACTIVE, "Container Display", 0, RANDOM_DIRECTION, {}},
        {76, TYPE(SavegameIni_85), INI_KIND, "Savegame Ini", 0, 0, {}},
        {77, TYPE(PlayerItems_86), TEXT, "Player Items", FIXED, 0, {}},
        {78, TYPE(ContainerItems_87), TEXT, "Container Items", FIXED, 0, {}},
        {79, TYPE(PlayerItemBackground_88), ACTIVE, "Player Item Background", BOX, 0, {}},
        {80, TYPE(ItemContainer_89), ACTIVE, "Item Container", HIDDEN | BOX, 0, {}},
        {81, TYPE(LayerObject_90), LAYER, "Layer object", 0, 0, {}},
        {82, TYPE(ContainerItemBackground_91), ACTIVE, "Container Item Background", BOX, 0, {}},
        {83, TYPE(ItemMarker_92), ACTIVE, "Item Marker", BOX, 0, {}},
        {84, TYPE(Equipped_93), ACTIVE, "Equipped", BOX, 0, {}},
        {85, TYPE(WaterSurface_94), ACTIVE, "Water Surface", BOX, 1, {}},
        {87, TYPE(WaterBubble_96), ACTIVE, "Water Bubble", 0, 0, {}},
        {88, TYPE(WaterWave_97), ACTIVE, "Water Wave", BOX, 0, {{'B', 40}, {'C', 125}}},
        {89, TYPE(WaterSurfaceGlimmer_98), ACTIVE, "Water Surface Glimmer", BOX, RANDOM_DIRECTION, {{'C', 15}}},
        {90,
         TYPE(AutomaticallyPlacedBackgrounds_99),
         ACTIVE,
         "Automatically Placed Backgrounds",
         0,
         RANDOM_DIRECTION,
         {}},
        {91, TYPE(WaterDistortion_100), ACTIVE, "Water Distortion", 0, 16, {}},
        {92, TYPE(PlayerItemsBackground_101), ACTIVE, "Player Items Background", 0, 0, {}},
        {93, TYPE(ContainerItemsBackground_102), ACTIVE, "Container Items Background", 0, 0, {}},
        {94, TYPE(ItemInformation_103), PICTURE, "Item Information", 0, 0, {}},
        {95, TYPE(Stream_104), ACTIVE, "Stream", BOX, 0, {}},
        {96, TYPE(Walker_105), ACTIVE, "Walker", BOX, 0, {{'A', 1}, {'D', 5}, {'F', 48}, {'G', 400}, {'H', -3}}},
        {97, TYPE(Dangers_106), ACTIVE, "Dangers", 0, RANDOM_DIRECTION, {{'A', 1}}},
        {98, TYPE(Effect_107), ACTIVE, "Effect", HIDDEN, 0, {{'A', 60}, {'B', 100}, {'C', 450}, {'D', 12}}},
        {99, TYPE(PlayerInteractionLight_108), ACTIVE, "Player Interaction Light", 0, 1, {}},
        {100, TYPE(AmbianceVolumes_109), ACTIVE, "Ambiance Volumes", BOX, 1, {}},
        {101,
         TYPE(AmbianceFrequencies_110),
         ACTIVE,
         "Ambiance Frequencies",
         BOX,
         1,
         {{'B', 44100}, {'C', 44100}, {'D', 44100}, {'E', 44100}}},
        {102, TYPE(MusicValues_111), ACTIVE, "Music Values", BOX, 1, {}},
        {103, TYPE(SoundValues_112), ACTIVE, "Sound Values", BOX, 1, {{'B', 15}, {'C', 6}, {'D', 22}, {'E', 6}}},
        {104, TYPE(TextObject_113), TEXT, "Text Object", FIXED, 0, {}},
        {105, TYPE(BlockedTransferBackground_114), ACTIVE, "Blocked Transfer Background", HIDDEN | BOX, 0, {{'A', 15}}},
        {106, TYPE(FrameVariables_115), ACTIVE, "Frame Variables", BOX, 1, {{'A', -1}, {'D', 32}}},
        {107, TYPE(People_116), ACTIVE, "People", 0, 0, {{'A', 130}}},
        {108, TYPE(SpeechBubbleBackground_117), ACTIVE, "Speech Bubble Background", 0, 0, {}},
        {109, TYPE(Exploder_118), ACTIVE, "Exploder", 0, RANDOM_DIRECTION, {{'C', 150}, {'D', 62}}},
        {110, TYPE(Bullet_119), ACTIVE, "Bullet", 0, 0, {{'A', 1}}},
        {111, TYPE(StepSmoke_120), ACTIVE, "Step Smoke", 0, 0, {}},
        {112, TYPE(ItemImage_121), PICTURE, "Item Image", 0, 0, {}},
        {113, TYPE(ItemInLevel_122), PICTURE, "Item in level", 0, 0, {}},
        {114, TYPE(ModifiedAbilities_123), INI_KIND, "Modified Abilities", 0, 0, {}},
        {115,
         TYPE(ItemInformationDistortion_124),
         PICTURE,
         "Item Information Distortion",
         HIDDEN,
         0,
         {{'A', -44}, {'B', 2}}},
        {116,
         TYPE(Birdfly_125),
         ACTIVE,
         "Birdfly",
         BOX,
         0,
         {{'A', 300},
          {'B', 300},
          {'C', 300},
          {'D', 300},
          {'K', 30},
          {'L', 25},
          {'M', 25},
          {'N', 50},
          {'O', 90},
          {'P', 150},
          {'R', 100}}},
        {117, TYPE(WinSprite_126), ACTIVE, "Win Sprite", HIDDEN, 0, {}},
        {118, TYPE(WinFader_127), ACTIVE, "Win Fader", 0, 1, {}},
        {119, TYPE(ChannelFadeoutInitialVolumes_128), INI_KIND, "Channel Fadeout Initial Volumes", 0, 0, {}},
        {120, TYPE(HiddenSavepoint_129), ACTIVE, "Hidden Savepoint", HIDDEN, 0, {}},
        {121, TYPE(UsageInfoBackground_130), ACTIVE, "Usage Info Background", HIDDEN, 0, {}},
        {122, TYPE(DropRow_131), ACTIVE, "Drop Row", 0, 1, {}},
        {123, TYPE(DeathFader_132), ACTIVE, "Death Fader", 0, 1, {}},
        {124, TYPE(Teleporter_133), ACTIVE, "Teleporter", 0, 1, {}},
        {125, TYPE(HorizontalBorder_134), QUICK_BACKDROP, "Horizontal Border", 0, 0, {}},
        {126, TYPE(VerticalBorder_135), QUICK_BACKDROP, "Vertical Border", 0, 0, {}},
        {127, TYPE(ItemUsageInfo_136), TEXT, "Item Usage Info", FIXED, 0, {}},
        {128, TYPE(SpeechBubbleText_137), TEXT, "Speech Bubble Text", FIXED, 0, {}},
        {129, TYPE(BlockedTransferExplanation_138), TEXT, "Blocked Transfer Explanation", FIXED, 0, {}},
        {130, TYPE(Item_139), TEXT, "Item", FIXED, 0, {}},
        {131, TYPE(TextGenerator_141), ACTIVE, "Text Generator", HIDDEN, 0, {{'B', 176}}},
        {132, TYPE(LastTextInfo_142), ACTIVE, "Last Text Info", HIDDEN, 0, {}},
        {133, TYPE(TextBlitter_143), ACTIVE, "Text Blitter", 0, 0, {}},
        {134, TYPE(AutoBlitter_144), INI_KIND, "Auto Blitter", 0, 0, {}},
        {135, TYPE(ErrorMessage_146), TEXT, "Error Message", FIXED, 0, {}},
        {136, TYPE(Credits_147), PICTURE, "Credits", 0, 0, {}},
    };
    return rows;
}

bool is_kind(FrameObject* object, Kind kind)
{
    switch (kind) {
    case ACTIVE:
        return dynamic_cast<Active*>(object) != nullptr;
    case TEXT:
        return dynamic_cast<Text*>(object) != nullptr;
    case BACKDROP:
        return dynamic_cast<Backdrop*>(object) != nullptr;
    case QUICK_BACKDROP:
        return dynamic_cast<QuickBackdrop*>(object) != nullptr;
    case INI_KIND:
        return dynamic_cast<INI*>(object) != nullptr;
    case PICTURE:
        return dynamic_cast<ActivePicture*>(object) != nullptr;
    case LAYER:
        return dynamic_cast<LayerObject*>(object) != nullptr;
    case TOKENIZER:
        return dynamic_cast<StringTokenizer*>(object) != nullptr;
    }
    return false;
}

// The directions an animation defines itself, not those borrowed from a
// neighbour.
std::set<int> defined_directions(Active& active, int animation)
{
    std::set<int> out;
    auto it = active.animations->find(animation);
    if (it == active.animations->end())
        return out;
    for (int d = 0; d < 32; d++)
        if (it->second.directions[d] && it->second.directions[d]->index == d)
            out.insert(d);
    return out;
}

// The types read the game's tables, as the game does from its directory.
class Catalogue : public ::testing::Test {
protected:
    Catalogue() : cwd(VELMORA_GAME_DIR) { set_image_path(std::string(VELMORA_GAME_DIR) + "/World/Sprites.dat"); }
    ScopedWorkingDirectory cwd;
};

} // namespace

TEST_F(Catalogue, EveryTypeHasItsIdKindNameAndSetUp)
{
    std::set<int> ids;
    for (const Row& row : catalogue()) {
        SCOPED_TRACE(row.class_name);
        ids.insert(row.id);
        std::unique_ptr<FrameObject> object(row.make(12, 34));
        EXPECT_TRUE(is_kind(object.get(), row.kind));
        EXPECT_EQ(object->id, row.id);
        EXPECT_EQ(object->name, row.name);
        EXPECT_EQ(object->x, 12);
        EXPECT_EQ(object->y, 34);
        EXPECT_EQ(object->visible, !(row.flags & HIDDEN));
        EXPECT_EQ(object->scroll, !(row.flags & FIXED));
        EXPECT_EQ(object->shader, (row.flags & ADDITIVE) ? static_cast<Shader*>(additive_shader) : nullptr);
        if (object->alterable_values)
            for (int i = 0; i < 26; i++) {
                double expected = 0;
                for (const auto& value : row.values)
                    if (value.first - 'A' == i)
                        expected = value.second;
                EXPECT_EQ(object->alterable_values->get(i, 0), expected) << char('A' + i);
            }
        else
            EXPECT_TRUE(row.values.empty());
        auto* active = dynamic_cast<Active*>(object.get());
        if (!active)
            continue;
        EXPECT_EQ(active->collision_box, (row.flags & BOX) != 0);
        EXPECT_EQ(active->get_animation(), 0);
        ASSERT_FALSE(defined_directions(*active, 0).empty()) << "every active has animation 0";
        if (row.direction == RANDOM_DIRECTION)
            EXPECT_TRUE(active->direction >= 0 && active->direction < 32) << active->direction;
        else
            EXPECT_EQ(active->direction, row.direction);
        EXPECT_NE(active->get_image(), nullptr) << "the start frame exists";
    }
    EXPECT_EQ(ids.size(), 134u);
    EXPECT_FALSE(ids.count(65));
    EXPECT_FALSE(ids.count(86));
}

TEST_F(Catalogue, RandomStartDirectionsVary)
{
    std::set<int> seen;
    for (int i = 0; i < 40; i++) {
        TilePaster_67 painter(0, 0);
        seen.insert(painter.direction);
        EXPECT_EQ(painter.get_animation_direction(), painter.direction);
    }
    EXPECT_GT(seen.size(), 4u);
}

TEST_F(Catalogue, TextsHaveTheirBoxesColoursAndAlignments)
{
    const struct {
        std::function<Text*()> make;
        int width, height;
        Color color;
        int alignment;
    } cases[] = {
        {[] { return new BrindleSettings_12(0, 0); }, 150, 17, Color(0, 0, 0, 255), 4},
        {[] { return new PlayerItems_86(0, 0); }, 127, 34, Color(8, 0, 0, 255), 6},
        {[] { return new ContainerItems_87(0, 0); }, 127, 34, Color(8, 0, 0, 255), 6},
        {[] { return new TextObject_113(0, 0); }, 800, 32, Color(255, 255, 255, 255), 6},
        {[] { return new ItemUsageInfo_136(0, 0); }, 220, 73, Color(0, 0, 0, 255), 4},
        {[] { return new SpeechBubbleText_137(0, 0); }, 172, 111, Color(0, 0, 0, 255), 4},
        {[] { return new BlockedTransferExplanation_138(0, 0); }, 355, 24, Color(0, 0, 0, 255), 6},
        {[] { return new Item_139(0, 0); }, 144, 24, Color(0, 0, 0, 255), 6},
        {[] { return new ErrorMessage_146(0, 0); }, 800, 512, Color(8, 0, 0, 255), 7},
    };
    for (const auto& c : cases) {
        std::unique_ptr<Text> text(c.make());
        SCOPED_TRACE(text->name);
        EXPECT_EQ(text->width, c.width);
        EXPECT_EQ(text->height, c.height);
        EXPECT_EQ(text->color.get_int(), c.color.get_int());
        EXPECT_EQ(text->alignment, c.alignment);
    }
    BrindleSettings_12 settings(0, 0);
    ASSERT_EQ(settings.paragraphs.size(), 1u);
    EXPECT_EQ(settings.get_paragraph(0),
              "[Includes]\r\nData = Data\r\nshaders = shaders\r\nTutorial = Tutorial\r\nWorld = World\r\nGame.ini = "
              "Game.ini");
    // The bitmap text's parameters: text, margins, alignments and font.
    const std::vector<std::string> caption = {"Text Object", "5", "7", "Middle", "Center", "1"};
    EXPECT_EQ(TextObject_113(0, 0).paragraphs, caption);
}

TEST_F(Catalogue, BackdropsBordersAndPicturesShowWhatTheyShould)
{
    Title_19 title(0, 0);
    ASSERT_NE(title.image, nullptr);
    EXPECT_EQ(title.image, image_table().find("Title_19"));
    EXPECT_NE(MainMenu_31(0, 0).image, title.image);
    const Color black(0, 0, 0, 255);
    HorizontalBorder_134 horizontal(0, 0);
    VerticalBorder_135 vertical(0, 0);
    EXPECT_EQ(horizontal.color.get_int(), black.get_int());
    EXPECT_EQ(horizontal.width, 800);
    EXPECT_EQ(horizontal.height, 1);
    EXPECT_EQ(vertical.width, 1);
    EXPECT_EQ(vertical.height, 512);
    ItemInLevel_122 picture(0, 0);
    EXPECT_TRUE(picture.has_transparent_color);
    EXPECT_EQ(picture.transparent_color.get_int(), black.get_int());
    EXPECT_TRUE(ItemInformationDistortion_124(0, 0).has_transparent_color);
}

TEST_F(Catalogue, EveryBackdropHasItsPicture)
{
    const std::vector<std::function<Backdrop*()>> backdrops = {
        [] { return new TitleLine_18(0, 0); },
        [] { return new Title_19(0, 0); },
        [] { return new DocumentaryTitle_20(0, 0); },
        [] { return new SubLine_21(0, 0); },
        [] { return new VelmoraTitle_29(0, 0); },
        [] { return new MainMenu_31(0, 0); },
        [] { return new SlotMenu_32(0, 0); },
        [] { return new OptionsMenu_38(0, 0); },
        [] { return new TutorialLabel_41(0, 0); },
        [] { return new PlayLabel_42(0, 0); },
        [] { return new EraseLabel_43(0, 0); },
        [] { return new OptionsLabel_44(0, 0); },
        [] { return new FilmMusicLabel_45(0, 0); },
        [] { return new CreditsLabel_46(0, 0); },
        [] { return new ExitLabel_47(0, 0); },
        [] { return new BackLabel_48(0, 0); },
        [] { return new Alchemyinfo_60(0, 0); },
        [] { return new Ostrelinfo_61(0, 0); },
        [] { return new PressEnterToContinue_62(0, 0); },
        [] { return new Quilloninfo_63(0, 0); },
    };
    for (const auto& make : backdrops) {
        std::unique_ptr<Backdrop> backdrop(make());
        SCOPED_TRACE(backdrop->name);
        ASSERT_NE(backdrop->image, nullptr);
        backdrop->image->load();
        EXPECT_GT(backdrop->image->width, 0);
    }
}

TEST_F(Catalogue, StringsAndBlendsOfTheTypesThatStartWithThem)
{
    Walker_105 walker(0, 0);
    EXPECT_EQ(walker.alterable_strings->get(0, ""), "Attract Hedgehog");
    EXPECT_EQ(walker.alterable_strings->get(1, ""), "Repel Hedgehod");
    EXPECT_EQ(Exploder_118(0, 0).alterable_strings->get(0, ""), "Attract Exploder");
    EXPECT_EQ(Birdfly_125(0, 0).alterable_strings->get(0, ""), "Rest");

    EraseBlob_35 blob(0, 0);
    EXPECT_EQ(blob.blend_color.get_int(), Color(255, 255, 255, 127).get_int());

    TextGenerator_141 generator(0, 0);
    const std::string prefix = "Letter Spacing=1 Word Spacing=3 Line Height=17 Separator Height=30 Character Set=";
    const std::string settings = generator.alterable_strings->get(1, "");
    EXPECT_EQ(generator.alterable_strings->get(2, ""), settings);
    ASSERT_EQ(settings.compare(0, prefix.size(), prefix), 0);
    const std::string set = settings.substr(prefix.size());
    ASSERT_EQ(set.size(), 97u);
    EXPECT_EQ(set.substr(0, 3), "!#$");
    EXPECT_EQ(set.find('\\'), std::string::npos);
    EXPECT_EQ(set.find(' '), std::string::npos);
    EXPECT_EQ(set.substr(92), "\xC9\xE9\"\xDA\xFA");
    EXPECT_EQ(generator.alterable_strings->get(5, ""), "Left");
    EXPECT_EQ(generator.alterable_strings->get(6, ""), "Top");

    SceneryGeneratorConstants_69 constants(0, 0);
    const size_t class_sizes[10] = {8, 0, 25, 9, 5, 5, 5, 8, 0, 15};
    for (int k = 0; k < 10; k++)
        EXPECT_EQ(constants.alterable_strings->get(k, "").size(), class_sizes[k]) << k;
    EXPECT_EQ(constants.alterable_strings->get(2, "").find('\xB5'), 14u);

    // Link targets stay inside the game directory.
    const std::vector<std::function<Active*()>> links = {
        [] { return new VelmoraLink_56(0, 0); },    [] { return new OstrelBandcampLink_57(0, 0); },
        [] { return new OstrelLink_58(0, 0); },     [] { return new TarrowinLink_64(0, 0); },
        [] { return new GreenlightLink_65(0, 0); },
    };
    std::set<std::string> targets;
    for (const auto& make : links) {
        std::unique_ptr<Active> link(make());
        const std::string target = link->alterable_strings->get(0, "");
        EXPECT_EQ(target.compare(0, 5, "Data/"), 0) << target;
        EXPECT_EQ(target.find("://"), std::string::npos) << target;
        targets.insert(target);
    }
    EXPECT_EQ(targets.size(), 5u);
}

TEST_F(Catalogue, EveryImageEntryDecodesAndOffsetsIncrease)
{
    const ImageTable& images = image_table();
    ASSERT_GT(images.size(), 0);
    int previous_offset = -1;
    for (int i = 0; i < images.size(); i++) {
        Image* image = images.at(i);
        SCOPED_TRACE(images.name_of(i));
        EXPECT_EQ(images.find(images.name_of(i)), image);
        EXPECT_GT(image->offset, previous_offset);
        previous_offset = image->offset;
        image->load();
        ASSERT_NE(image->pixels, nullptr);
        EXPECT_GT(image->width, 0);
        EXPECT_GT(image->height, 0);
    }
    EXPECT_EQ(images.at(images.size()), nullptr);
    EXPECT_EQ(images.at(-1), nullptr);
    EXPECT_EQ(images.find("NoSuchPicture"), nullptr);
}

TEST_F(Catalogue, EveryImageTheAnimationsNameExists)
{
    for (const Row& row : catalogue()) {
        if (row.kind != ACTIVE)
            continue;
        const std::vector<Sequence>& sequences = animation_table().find(row.class_name);
        EXPECT_FALSE(sequences.empty()) << row.class_name;
        for (const Sequence& sequence : sequences) {
            EXPECT_EQ(sequence.min_speed, sequence.max_speed) << row.class_name;
            for (const std::string& name : sequence.images)
                EXPECT_NE(image_table().find(name), nullptr) << row.class_name << " " << name;
        }
    }
}

TEST_F(Catalogue, AnimationsTheGameForcesExist)
{
    const struct {
        std::function<Active*()> make;
        std::vector<int> animations;
        std::vector<int> directions;
        size_t min_frames;
    } cases[] = {
        {[] { return new TheAlchemist_82(0, 0); }, {1, 2, 7, 8, 9, 14, 15}, {0, 16}, 2},
        {[] { return new TheAlchemist_82(0, 0); }, {12, 13, 16}, {0}, 1},
        {[] { return new TilePaster_67(0, 0); }, {12, 13, 14, 15, 16, 17, 18, 19}, {}, 1},
        {[] { return new ObstacleTilePaster_81(0, 0); }, {0}, {16, 4, 12, 20, 28}, 1},
        {[] { return new People_116(0, 0); }, {12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}, {0}, 2},
        {[] { return new Bullet_119(0, 0); }, {13}, {0}, 24},
        {[] { return new WaterBubble_96(0, 0); }, {1}, {0}, 24},
        {[] { return new TextBlitter_143(0, 0); }, {12, 13}, {0}, 98},
    };
    for (const auto& c : cases) {
        std::unique_ptr<Active> active(c.make());
        for (int animation : c.animations) {
            SCOPED_TRACE(active->name + " animation " + std::to_string(animation));
            std::set<int> defined = defined_directions(*active, animation);
            ASSERT_FALSE(defined.empty());
            for (int d : c.directions)
                EXPECT_TRUE(defined.count(d)) << "direction " << d;
            for (int d : defined)
                EXPECT_GE((*active->animations)[animation].directions[d]->frames.size(), c.min_frames);
        }
    }
    EXPECT_EQ(WaterBubble_96(0, 0).animations->at(1).directions[0]->frames.size(), 24u);
}

TEST_F(Catalogue, InstancesOfATypeShareOneAnimationSet)
{
    Walker_105 first(0, 0);
    AnimationMap* set = first.animations;
    Direction* still = set->at(0).directions[0];
    Walker_105 second(5, 5);
    EXPECT_TRUE(Walker_105::initialized);
    EXPECT_EQ(second.animations, set);
    EXPECT_EQ(Walker_105::saved_animations, set);
    EXPECT_EQ(second.animations->at(0).directions[0], still) << "not rebuilt";
    EXPECT_NE(Dangers_106(0, 0).animations, set);
}

TEST_F(Catalogue, PreloadingDecodesTheTypesPictures)
{
    preload_images_for({"Stream_104", "PlayLabel_42"});
    for (const Sequence& sequence : animation_table().find("Stream_104"))
        for (const std::string& name : sequence.images)
            EXPECT_NE(image_table().find(name)->pixels, nullptr) << name;
    EXPECT_NE(image_table().find("PlayLabel_42")->pixels, nullptr);
}

TEST(CatalogueGroups, ListTheirMembersAndEndWithZero)
{
    const struct {
        const int* group;
        std::vector<int> members;
    } cases[] = {
        {qualifier_13, {77, 78, 104, 127, 128, 129, 130}},
        {qualifier_24, {44, 45, 46}},
        {qualifier_38, {7, 8, 9, 10}},
        {qualifier_43, {70, 71}},
        {qualifier_45, {73, 96, 109, 110}},
        {qualifier_52, {62, 67, 68, 69, 70, 71}},
        {qualifier_55, {62, 67, 68, 69}},
        {qualifier_69, {61, 62, 64, 65, 66, 67, 68, 69,  70,  71,  75,  80,  85,  86,  87,  88, 89,
                        90, 91, 95, 96, 97, 98, 99, 107, 109, 110, 111, 116, 117, 120, 122, 124}},
        {qualifier_84, {48, 49, 50, 55, 56}},
        {qualifier_86, {96, 97, 109, 110}},
    };
    for (const auto& c : cases) {
        std::vector<int> members;
        for (const int* id = c.group; *id; id++)
            members.push_back(*id);
        EXPECT_EQ(members, c.members);
    }
}

TEST(CatalogueTables, MissingOrMalformedFilesLeaveEmptyTables)
{
    TempDir dir;
    const struct {
        const char* images;
        bool images_ok;
    } image_cases[] = {
        {"# comment\n0 a 0 1 2 3 4\n1 b 10 0 0 0 0\n", true},
        {"0 a 0 1 2 3 4\n1 b 0 0 0 0 0\n", false},  // offsets must increase
        {"0 a 0 1 2 3 4\n2 b 10 0 0 0 0\n", false}, // index out of order
        {"0 a 0 1 2 3 4\n1 a 10 0 0 0 0\n", false}, // name twice
        {"0 a 0 1 2 3\n", false},
        {"0 a 0 1 2 3 4 5\n", false},
    };
    for (const auto& c : image_cases) {
        SCOPED_TRACE(c.images);
        ImageTable table;
        EXPECT_EQ(table.read(dir.write("Images.txt", c.images)), c.images_ok);
        EXPECT_EQ(table.size(), c.images_ok ? 2 : 0);
        EXPECT_EQ(table.find("a") != nullptr, c.images_ok);
    }
    ImageTable missing_images;
    EXPECT_FALSE(missing_images.read(dir.path + "/NoImages.txt"));
    EXPECT_EQ(missing_images.size(), 0);

    const struct {
        const char* animations;
        bool ok;
    } animation_cases[] = {
        {"# c\nT 0 0 50 50 1 0 a b\nT 12 8 0 0 0 1 b a\n", true},
        {"T 0 32 50 50 1 0 a\n", false},  // no such direction
        {"T 0 0 50 50 1 2 a b\n", false}, // back_to past the end
        {"T 0 0 50 50 2 0 a\n", false},
        {"T 0 0 50 50 1 0\n", false}, // no pictures
        {"T 0 0 fifty 50 1 0 a\n", false},
    };
    for (const auto& c : animation_cases) {
        SCOPED_TRACE(c.animations);
        AnimationTable table;
        EXPECT_EQ(table.read(dir.write("Animations.txt", c.animations)), c.ok);
        EXPECT_EQ(table.find("T").size(), c.ok ? 2u : 0u);
    }
    AnimationTable table;
    ASSERT_TRUE(table.read(dir.write("Animations.txt", "T 0 0 50 50 1 0 a b\nT 12 8 0 0 0 1 b a\n")));
    const Sequence& second = table.find("T")[1];
    EXPECT_EQ(second.animation, 12);
    EXPECT_EQ(second.direction, 8);
    EXPECT_FALSE(second.loop);
    EXPECT_EQ(second.back_to, 1);
    EXPECT_EQ(second.images, (std::vector<std::string>{"b", "a"}));
    EXPECT_FALSE(table.read(dir.path + "/NoAnimations.txt"));
    EXPECT_TRUE(table.find("T").empty());
}
