#include "interpretation/modSikidy.h"

#include <QtGlobal>

#include <array>

namespace modSikidy {

namespace {

// The sixteen figures in identification order. Texts are kept exactly as the interpretation
// shows them: "Populus  The People" has two blanks and no hyphen, RUBEUS's quality is "Mobile "
// with a trailing blank, TRISTITIA's keyword is spelled "Lonliness", and ALBUS's short
// significance ends in a blank. Long significances are stored whole, never built from the short.
// Every text but the identifier and the Latin name is translated where it is shown.
constexpr std::array<FigureInfo, FigureCount> Figures{{
    {"VIA",
     {1, 1, 1, 1},
     "Via",
     QT_TRANSLATE_NOOP("modSikidy", "Via - The Way"),
     QT_TRANSLATE_NOOP("modSikidy", "Change"),
     QT_TRANSLATE_NOOP("modSikidy", "Mpanjaka (Princes)"),
     QT_TRANSLATE_NOOP("modSikidy", "South"),
     QT_TRANSLATE_NOOP("modSikidy", "Monday"),
     QT_TRANSLATE_NOOP("modSikidy", "Water"),
     QT_TRANSLATE_NOOP("modSikidy", "Mobile"),
     QT_TRANSLATE_NOOP("modSikidy", "Moon"),
     QT_TRANSLATE_NOOP("modSikidy", "Cancer"),
     QT_TRANSLATE_NOOP("modSikidy", "Stomach"),
     QT_TRANSLATE_NOOP("modSikidy", "This figure signifies loneliness, death and a journey."),
     QT_TRANSLATE_NOOP("modSikidy", "This figure signifies some kind of action and forward motion. "
                                    "You may also face loneliness. "
                                    "This is only favorable for travel.")},
    {"POPULUS",
     {2, 2, 2, 2},
     "Populus",
     QT_TRANSLATE_NOOP("modSikidy", "Populus  The People"),
     QT_TRANSLATE_NOOP("modSikidy", "Stability"),
     QT_TRANSLATE_NOOP("modSikidy", "Mpanjaka (Princes)"),
     QT_TRANSLATE_NOOP("modSikidy", "South"),
     QT_TRANSLATE_NOOP("modSikidy", "Monday"),
     QT_TRANSLATE_NOOP("modSikidy", "Water"),
     QT_TRANSLATE_NOOP("modSikidy", "Stable"),
     QT_TRANSLATE_NOOP("modSikidy", "Moon"),
     QT_TRANSLATE_NOOP("modSikidy", "Cancer"),
     QT_TRANSLATE_NOOP("modSikidy", "Breasts and Midriffs"),
     QT_TRANSLATE_NOOP("modSikidy", "This figure stands for abundance."),
     QT_TRANSLATE_NOOP(
         "modSikidy",
         "This figure stands for a lot of happiness, joy, meetings, gatherings, people, family and "
         "abundance.")},
    {"CONJUNCTIO",
     {2, 1, 1, 2},
     "Conjunctio",
     QT_TRANSLATE_NOOP("modSikidy", "Conjunctio - Union"),
     QT_TRANSLATE_NOOP("modSikidy", "Interaction"),
     QT_TRANSLATE_NOOP("modSikidy", "Mpanjaka (Princes)"),
     QT_TRANSLATE_NOOP("modSikidy", "East"),
     QT_TRANSLATE_NOOP("modSikidy", "Wednesday"),
     QT_TRANSLATE_NOOP("modSikidy", "Earth"),
     QT_TRANSLATE_NOOP("modSikidy", "Mobile"),
     QT_TRANSLATE_NOOP("modSikidy", "Mercury"),
     QT_TRANSLATE_NOOP("modSikidy", "Virgo"),
     QT_TRANSLATE_NOOP("modSikidy", "Intestines"),
     QT_TRANSLATE_NOOP("modSikidy", "There may be some heavy weight of problems on your head. You "
                                    "will be protected from enemies "
                                    "and thieves."),
     QT_TRANSLATE_NOOP(
         "modSikidy",
         "There may be some heavy weight of problems on your head. You will be protected from "
         "enemies "
         "and thieves. You will be successful in relationships, partnerships or new ventures.")},
    {"CARCER",
     {1, 2, 2, 1},
     "Carcer",
     QT_TRANSLATE_NOOP("modSikidy", "Carcer - Prison"),
     QT_TRANSLATE_NOOP("modSikidy", "Isolation"),
     QT_TRANSLATE_NOOP("modSikidy", "Mpanjaka (Princes)"),
     QT_TRANSLATE_NOOP("modSikidy", "West"),
     QT_TRANSLATE_NOOP("modSikidy", "Saturday"),
     QT_TRANSLATE_NOOP("modSikidy", "Earth"),
     QT_TRANSLATE_NOOP("modSikidy", "Stable"),
     QT_TRANSLATE_NOOP("modSikidy", "Saturn"),
     QT_TRANSLATE_NOOP("modSikidy", "Capricorn"),
     QT_TRANSLATE_NOOP("modSikidy", "Lower Legs and Knees"),
     QT_TRANSLATE_NOOP("modSikidy", "This signifies a comfortable house and food to eat. You will "
                                    "be protected from vagabonds."),
     QT_TRANSLATE_NOOP("modSikidy",
                       "This signifies a comfortable house and food to eat. You will be protected "
                       "from vagabonds. It "
                       "is only favorable for confinements. Some deals may revert back.")},
    {"FORTUNA MAJOR",
     {2, 2, 1, 1},
     "Fortuna Major",
     QT_TRANSLATE_NOOP("modSikidy", "Fortuna Major - Greater Fortune"),
     QT_TRANSLATE_NOOP("modSikidy", "Power"),
     QT_TRANSLATE_NOOP("modSikidy", "Mpanjaka (Princes)"),
     QT_TRANSLATE_NOOP("modSikidy", "East"),
     QT_TRANSLATE_NOOP("modSikidy", "Sunday"),
     QT_TRANSLATE_NOOP("modSikidy", "Fire"),
     QT_TRANSLATE_NOOP("modSikidy", "Stable"),
     QT_TRANSLATE_NOOP("modSikidy", "Sun"),
     QT_TRANSLATE_NOOP("modSikidy", "Leo"),
     QT_TRANSLATE_NOOP("modSikidy", "Chest and Heart"),
     QT_TRANSLATE_NOOP("modSikidy", "This is a very sacred figure and symbolizes fire."),
     QT_TRANSLATE_NOOP("modSikidy", "This is a very sacred figure and symbolizes fire. This is a "
                                    "sign of happiness, prosperity, "
                                    "good luck, material wealth, love, honor and respect.")},
    {"FORTUNA MINOR",
     {1, 1, 2, 2},
     "Fortuna Minor",
     QT_TRANSLATE_NOOP("modSikidy", "Fortuna Minor - The Lesser Fortune"),
     QT_TRANSLATE_NOOP("modSikidy", "Speed"),
     QT_TRANSLATE_NOOP("modSikidy", "Mpanjaka (Princes)"),
     QT_TRANSLATE_NOOP("modSikidy", "South"),
     QT_TRANSLATE_NOOP("modSikidy", "Sunday"),
     QT_TRANSLATE_NOOP("modSikidy", "Air"),
     QT_TRANSLATE_NOOP("modSikidy", "Mobile"),
     QT_TRANSLATE_NOOP("modSikidy", "Sun"),
     QT_TRANSLATE_NOOP("modSikidy", "Leo"),
     QT_TRANSLATE_NOOP("modSikidy", "Spine"),
     QT_TRANSLATE_NOOP("modSikidy", "This stands for chiefs and elderly people of the clan. This "
                                    "also represents anger, pride, "
                                    "domination and food."),
     QT_TRANSLATE_NOOP("modSikidy", "This stands for chiefs and elderly people of the clan. This "
                                    "also represents anger, pride, "
                                    "domination and food. You may have to put in a lot of work but "
                                    "you will have a fast outcome. "
                                    "There is some instability in your dealings.")},
    {"ACQUISITIO",
     {2, 1, 2, 1},
     "Acquisitio",
     QT_TRANSLATE_NOOP("modSikidy", "Acquisitio - Gain"),
     QT_TRANSLATE_NOOP("modSikidy", "Prosperity"),
     QT_TRANSLATE_NOOP("modSikidy", "Mpanjaka (Princes)"),
     QT_TRANSLATE_NOOP("modSikidy", "West"),
     QT_TRANSLATE_NOOP("modSikidy", "Thursday"),
     QT_TRANSLATE_NOOP("modSikidy", "Fire"),
     QT_TRANSLATE_NOOP("modSikidy", "Stable"),
     QT_TRANSLATE_NOOP("modSikidy", "Jupiter"),
     QT_TRANSLATE_NOOP("modSikidy", "Sagittarius"),
     QT_TRANSLATE_NOOP("modSikidy", "Thighs"),
     QT_TRANSLATE_NOOP(
         "modSikidy",
         "You may receive money. But there may be some problems too. Legal issues will be solved."),
     QT_TRANSLATE_NOOP("modSikidy",
                       "You may receive money. But there may be some problems too. Legal issues "
                       "will be solved. You "
                       "will have a lot of material gains, power, promotions and benefits.")},
    {"AMISSIO",
     {1, 2, 1, 2},
     "Amissio",
     QT_TRANSLATE_NOOP("modSikidy", "Amissio - Loss"),
     QT_TRANSLATE_NOOP("modSikidy", "Misfortune"),
     QT_TRANSLATE_NOOP("modSikidy", "Mpanjaka (Princes)"),
     QT_TRANSLATE_NOOP("modSikidy", "North"),
     QT_TRANSLATE_NOOP("modSikidy", "Wednesday"),
     QT_TRANSLATE_NOOP("modSikidy", "Earth"),
     QT_TRANSLATE_NOOP("modSikidy", "Mobile"),
     QT_TRANSLATE_NOOP("modSikidy", "Venus"),
     QT_TRANSLATE_NOOP("modSikidy", "Taurus"),
     QT_TRANSLATE_NOOP("modSikidy", "Neck"),
     QT_TRANSLATE_NOOP("modSikidy", "There may be some conflicts for land and children."),
     QT_TRANSLATE_NOOP(
         "modSikidy",
         "There may be some conflicts for land and children. You will face losses in the form of "
         "love "
         "or money. Success will be elusive. You will be successful only if you wish to lose "
         "something.")},
    {"LAETITIA",
     {1, 2, 2, 2},
     "Laetitia",
     QT_TRANSLATE_NOOP("modSikidy", "Laetitia - Joy"),
     QT_TRANSLATE_NOOP("modSikidy", "Happiness"),
     QT_TRANSLATE_NOOP("modSikidy", "Andevo (Slaves)"),
     QT_TRANSLATE_NOOP("modSikidy", "South"),
     QT_TRANSLATE_NOOP("modSikidy", "Thursday"),
     QT_TRANSLATE_NOOP("modSikidy", "Water"),
     QT_TRANSLATE_NOOP("modSikidy", "Mobile"),
     QT_TRANSLATE_NOOP("modSikidy", "Jupiter"),
     QT_TRANSLATE_NOOP("modSikidy", "Pisces"),
     QT_TRANSLATE_NOOP("modSikidy", "Feet"),
     QT_TRANSLATE_NOOP(
         "modSikidy",
         "This is the sign of a king. This is good for auspicious occasions like marriage. This "
         "indicates presence of women."),
     QT_TRANSLATE_NOOP(
         "modSikidy",
         "This is the sign of a king. This is good for auspicious occasions like marriage. This "
         "indicates presence of women. There will be success and happiness in whatever task is "
         "taken "
         "up. You will have peace of mind, harmony, good luck and prosperity.")},
    {"TRISTITIA",
     {2, 2, 2, 1},
     "Tristitia",
     QT_TRANSLATE_NOOP("modSikidy", "Tristitia - Sadness"),
     QT_TRANSLATE_NOOP("modSikidy", "Lonliness"),
     QT_TRANSLATE_NOOP("modSikidy", "Andevo (Slaves)"),
     QT_TRANSLATE_NOOP("modSikidy", "North"),
     QT_TRANSLATE_NOOP("modSikidy", "Saturday"),
     QT_TRANSLATE_NOOP("modSikidy", "Air"),
     QT_TRANSLATE_NOOP("modSikidy", "Stable"),
     QT_TRANSLATE_NOOP("modSikidy", "Saturn"),
     QT_TRANSLATE_NOOP("modSikidy", "Aquarius"),
     QT_TRANSLATE_NOOP("modSikidy", "Ankles"),
     QT_TRANSLATE_NOOP(
         "modSikidy",
         "There may be a few tears because of your stubborn attitude. Health will improve."),
     QT_TRANSLATE_NOOP(
         "modSikidy",
         "There may be a few tears because of your stubborn attitude. Health will improve. You may "
         "face some loss and humiliation. There may be some unexpected misfortune.")},
    {"ALBUS",
     {2, 2, 1, 2},
     "Albus",
     QT_TRANSLATE_NOOP("modSikidy", "Albus - White"),
     QT_TRANSLATE_NOOP("modSikidy", "Peace"),
     QT_TRANSLATE_NOOP("modSikidy", "Andevo (Slaves)"),
     QT_TRANSLATE_NOOP("modSikidy", "East"),
     QT_TRANSLATE_NOOP("modSikidy", "Friday"),
     QT_TRANSLATE_NOOP("modSikidy", "Air"),
     QT_TRANSLATE_NOOP("modSikidy", "Stable"),
     QT_TRANSLATE_NOOP("modSikidy", "Mercury"),
     QT_TRANSLATE_NOOP("modSikidy", "Gemini"),
     QT_TRANSLATE_NOOP("modSikidy", "Lungs"),
     QT_TRANSLATE_NOOP("modSikidy", "You may hear some bad news. You may suffer from heartbreak. "),
     QT_TRANSLATE_NOOP("modSikidy", "This is a good time for starting something new. You will need "
                                    "to have a lot of patience. You "
                                    "may be spiritually inclined.")},
    {"RUBEUS",
     {2, 1, 2, 2},
     "Rubeus",
     QT_TRANSLATE_NOOP("modSikidy", "Rubeus - Red"),
     QT_TRANSLATE_NOOP("modSikidy", "Passion"),
     QT_TRANSLATE_NOOP("modSikidy", "Andevo (Slaves)"),
     QT_TRANSLATE_NOOP("modSikidy", "North"),
     QT_TRANSLATE_NOOP("modSikidy", "Tuesday"),
     QT_TRANSLATE_NOOP("modSikidy", "Water"),
     QT_TRANSLATE_NOOP("modSikidy", "Mobile "),
     QT_TRANSLATE_NOOP("modSikidy", "Mars"),
     QT_TRANSLATE_NOOP("modSikidy", "Scorpio"),
     QT_TRANSLATE_NOOP("modSikidy", "Reproductivity System"),
     QT_TRANSLATE_NOOP("modSikidy", "This is a good sign and will bring lots of joy, material "
                                    "wealth in the form of clothes and "
                                    "jewelery."),
     QT_TRANSLATE_NOOP("modSikidy", "There may be a lot of passion and violence involved. Hear "
                                    "what your inner voice has to tell "
                                    "you. Find the good in the bad.")},
    {"PUELLA",
     {1, 2, 1, 1},
     "Puella",
     QT_TRANSLATE_NOOP("modSikidy", "Puella - Girl"),
     QT_TRANSLATE_NOOP("modSikidy", "Peace"),
     QT_TRANSLATE_NOOP("modSikidy", "Andevo (Slaves)"),
     QT_TRANSLATE_NOOP("modSikidy", "West"),
     QT_TRANSLATE_NOOP("modSikidy", "Friday"),
     QT_TRANSLATE_NOOP("modSikidy", "Air"),
     QT_TRANSLATE_NOOP("modSikidy", "Stable"),
     QT_TRANSLATE_NOOP("modSikidy", "Venus"),
     QT_TRANSLATE_NOOP("modSikidy", "Libra"),
     QT_TRANSLATE_NOOP("modSikidy", "Kidneys"),
     QT_TRANSLATE_NOOP("modSikidy",
                       "This will bring good fortune in riches, love, land and happiness."),
     QT_TRANSLATE_NOOP(
         "modSikidy",
         "This will bring good fortune in riches, love, land and happiness. This is a pure and "
         "harmonious sign. Good for relationships and healing but bad for decision making.")},
    {"PUER",
     {1, 1, 2, 1},
     "Puer",
     QT_TRANSLATE_NOOP("modSikidy", "Puer - Boy"),
     QT_TRANSLATE_NOOP("modSikidy", "Worries"),
     QT_TRANSLATE_NOOP("modSikidy", "Andevo (Slaves)"),
     QT_TRANSLATE_NOOP("modSikidy", "West"),
     QT_TRANSLATE_NOOP("modSikidy", "Tuesday"),
     QT_TRANSLATE_NOOP("modSikidy", "Fire"),
     QT_TRANSLATE_NOOP("modSikidy", "Mobile"),
     QT_TRANSLATE_NOOP("modSikidy", "Mars"),
     QT_TRANSLATE_NOOP("modSikidy", "Aries"),
     QT_TRANSLATE_NOOP("modSikidy", "Head"),
     QT_TRANSLATE_NOOP("modSikidy", "This is a sign of misfortune and robberies."),
     QT_TRANSLATE_NOOP(
         "modSikidy", "This is a sign of misfortune and robberies. You will have a lot of "
                      "impulsive energy. You may "
                      "be brash in your conduct. You need to control and channelize your energy.")},
    {"CAPUT DRACONIS",
     {2, 1, 1, 1},
     "Caput Draconis",
     QT_TRANSLATE_NOOP("modSikidy", "Caput Draconis - Dragon's Head"),
     QT_TRANSLATE_NOOP("modSikidy", "Beginning"),
     QT_TRANSLATE_NOOP("modSikidy", "Andevo (Slaves)"),
     QT_TRANSLATE_NOOP("modSikidy", "West"),
     QT_TRANSLATE_NOOP("modSikidy", "Thursday"),
     QT_TRANSLATE_NOOP("modSikidy", "Earth"),
     QT_TRANSLATE_NOOP("modSikidy", "Stable"),
     QT_TRANSLATE_NOOP("modSikidy", "North Node of Moon"),
     QT_TRANSLATE_NOOP("modSikidy", "None"),
     QT_TRANSLATE_NOOP("modSikidy", "Right Arm"),
     QT_TRANSLATE_NOOP(
         "modSikidy",
         "You may be faced by evil thoughts. There may be arguments, fights and trials."),
     QT_TRANSLATE_NOOP(
         "modSikidy",
         "This is the time for new beginnings and initiatives. You may be faced by good and evil "
         "thoughts. There may be arguments, fights and trials.")},
    {"CAUDA DRACONIS",
     {1, 1, 1, 2},
     "Cauda Draconis",
     QT_TRANSLATE_NOOP("modSikidy", "Cauda Draconis - Dragon's Tail"),
     QT_TRANSLATE_NOOP("modSikidy", "End"),
     QT_TRANSLATE_NOOP("modSikidy", "Andevo (Slaves)"),
     QT_TRANSLATE_NOOP("modSikidy", "North"),
     QT_TRANSLATE_NOOP("modSikidy", "Saturday"),
     QT_TRANSLATE_NOOP("modSikidy", "Fire"),
     QT_TRANSLATE_NOOP("modSikidy", "Mobile"),
     QT_TRANSLATE_NOOP("modSikidy", "South Node of Moon"),
     QT_TRANSLATE_NOOP("modSikidy", "None"),
     QT_TRANSLATE_NOOP("modSikidy", "Left Arm"),
     QT_TRANSLATE_NOOP("modSikidy", "You will get to hear some cold words."),
     QT_TRANSLATE_NOOP("modSikidy", "You will get to hear some cold words. This is the end of the "
                                    "road. A good time to finish all "
                                    "bad things and start afresh.")},
}};

// House order: position k (1..16) holds the identification index of the figure paired with
// house k. PUER comes before PUELLA here, after it in identification order.
constexpr std::array<int, FigureCount> HouseOrder{
    0,  // VIA
    1,  // POPULUS
    4,  // FORTUNA MAJOR
    5,  // FORTUNA MINOR
    6,  // ACQUISITIO
    7,  // AMISSIO
    2,  // CONJUNCTIO
    3,  // CARCER
    8,  // LAETITIA
    9,  // TRISTITIA
    13, // PUER
    12, // PUELLA
    11, // RUBEUS
    10, // ALBUS
    14, // CAPUT DRACONIS
    15, // CAUDA DRACONIS
};

} // namespace

const FigureInfo& FigureRecord(int i) {
    return Figures.at(static_cast<std::size_t>(i));
}

const FigureInfo* FigureInHouseOrder(int k) {
    if (k < 1 || k > FigureCount) {
        return nullptr;
    }
    return &Figures[static_cast<std::size_t>(HouseOrder[static_cast<std::size_t>(k - 1)])];
}

} // namespace modSikidy
