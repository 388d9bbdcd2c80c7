#include "objects/world_actives.h"

namespace {
const int HIDDEN = TYPE_HIDDEN;
const int BOX = TYPE_BOX_COLLISION;
const int RANDOM = TYPE_RANDOM_DIRECTION;
} // namespace

VELMORA_DEFINE_ACTIVE_TYPE(GradientBottom_66, "Gradient Bottom", 57, 0, 1, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(TilePaster_67, "Tile Paster", 58, HIDDEN | BOX | RANDOM, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(SceneryGeneratorVariables_68, "Scenery Generator Variables", 59, BOX, 1, {}, {})
// The level map's character classes: a tile character belongs to class k
// when string k holds it (single ISO 8859-1 bytes).
VELMORA_DEFINE_ACTIVE_TYPE(SceneryGeneratorConstants_69, "Scenery Generator Constants", 60, BOX, 1, {},
                           {{0, "#%MmBbRr"},
                            {2, "AC+cOTFfEJD:L\xDA\xB5\xD6oNnUlka(Z"},
                            {3, "Gg\xA7WwYyPp"},
                            {4, "jIi\xCF\xEF"},
                            {5, "*!xX\xF6"},
                            {6, "Ss~<>"},
                            {7, "\xA4\xF8[]H.h\xA9"},
                            {9, "123456/\\V^v,$_t"}})
VELMORA_DEFINE_ACTIVE_TYPE(SineRotator_70, "Sine Rotator", 61, RANDOM, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(Glow1_71, "Glow 1", 62, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(StaticDecorationAnimation_73, "Static Decoration & Animation", 64, RANDOM, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(Firefly_75, "Firefly", 66, 0, 0, {{letter('B'), 50}, {letter('C'), 97}, {letter('D'), 55}},
                           {})
VELMORA_DEFINE_ACTIVE_TYPE(Glow2_76, "Glow 2", 67, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(Glow3_77, "Glow 3", 68, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(Glow4_78, "Glow 4", 69, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(Fog5_79, "Fog 5", 70, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(Fog6_80, "Fog 6", 71, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(ObstacleTilePaster_81, "Obstacle Tile Paster", 72, HIDDEN, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(TheAlchemist_82, "The Alchemist", 73, HIDDEN, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(ContainerDisplay_84, "Container Display", 75, RANDOM, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(ItemContainer_89, "Item Container", 80, HIDDEN | BOX, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(WaterSurface_94, "Water Surface", 85, BOX, 1, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(WaterBubble_96, "Water Bubble", 87, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(WaterWave_97, "Water Wave", 88, BOX, 0, {{letter('B'), 40}, {letter('C'), 125}}, {})
VELMORA_DEFINE_ACTIVE_TYPE(WaterSurfaceGlimmer_98, "Water Surface Glimmer", 89, BOX | RANDOM, 0, {{letter('C'), 15}},
                           {})
VELMORA_DEFINE_ACTIVE_TYPE(AutomaticallyPlacedBackgrounds_99, "Automatically Placed Backgrounds", 90, RANDOM, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(WaterDistortion_100, "Water Distortion", 91, 0, 16, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(Stream_104, "Stream", 95, BOX, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(
    Walker_105, "Walker", 96, BOX, 0,
    {{letter('A'), 1}, {letter('D'), 5}, {letter('F'), 48}, {letter('G'), 400}, {letter('H'), -3}},
    {{0, "Attract Hedgehog"}, {1, "Repel Hedgehod"}})
VELMORA_DEFINE_ACTIVE_TYPE(Dangers_106, "Dangers", 97, RANDOM, 0, {{letter('A'), 1}}, {})
VELMORA_DEFINE_ACTIVE_TYPE(Effect_107, "Effect", 98, HIDDEN, 0,
                           {{letter('A'), 60}, {letter('B'), 100}, {letter('C'), 450}, {letter('D'), 12}}, {})
VELMORA_DEFINE_ACTIVE_TYPE(PlayerInteractionLight_108, "Player Interaction Light", 99, 0, 1, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(People_116, "People", 107, 0, 0, {{letter('A'), 130}}, {})
VELMORA_DEFINE_ACTIVE_TYPE(Exploder_118, "Exploder", 109, RANDOM, 0, {{letter('C'), 150}, {letter('D'), 62}},
                           {{0, "Attract Exploder"}})
VELMORA_DEFINE_ACTIVE_TYPE(Bullet_119, "Bullet", 110, 0, 0, {{letter('A'), 1}}, {})
VELMORA_DEFINE_ACTIVE_TYPE(StepSmoke_120, "Step Smoke", 111, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(Birdfly_125, "Birdfly", 116, BOX, 0,
                           {{letter('A'), 300},
                            {letter('B'), 300},
                            {letter('C'), 300},
                            {letter('D'), 300},
                            {letter('K'), 30},
                            {letter('L'), 25},
                            {letter('M'), 25},
                            {letter('N'), 50},
                            {letter('O'), 90},
                            {letter('P'), 150},
                            {letter('R'), 100}},
                           {{0, "Rest"}})
VELMORA_DEFINE_ACTIVE_TYPE(WinSprite_126, "Win Sprite", 117, HIDDEN, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(HiddenSavepoint_129, "Hidden Savepoint", 120, HIDDEN, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(DropRow_131, "Drop Row", 122, 0, 1, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(Teleporter_133, "Teleporter", 124, 0, 1, {}, {})
