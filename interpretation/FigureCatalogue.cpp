#include "interpretation/modSikidy.h"

#include <array>

namespace modSikidy {

namespace {

// The sixteen figures in identification order. Texts are kept exactly as the interpretation
// shows them: "Populus  The People" has two blanks and no hyphen, RUBEUS's quality is "Mobile "
// with a trailing blank, TRISTITIA's keyword is spelled "Lonliness", and ALBUS's short
// significance ends in a blank. Long significances are stored whole, never built from the short.
constexpr std::array<FigureInfo, FigureCount> Figures{{
    {"VIA",
     {1, 1, 1, 1},
     "Via",
     "Via - The Way",
     "Change",
     "Mpanjaka (Princes)",
     "South",
     "Monday",
     "Water",
     "Mobile",
     "Moon",
     "Cancer",
     "Stomach",
     "This figure signifies loneliness, death and a journey.",
     "This figure signifies some kind of action and forward motion. You may also face loneliness. "
     "This is only favorable for travel."},
    {"POPULUS",
     {2, 2, 2, 2},
     "Populus",
     "Populus  The People",
     "Stability",
     "Mpanjaka (Princes)",
     "South",
     "Monday",
     "Water",
     "Stable",
     "Moon",
     "Cancer",
     "Breasts and Midriffs",
     "This figure stands for abundance.",
     "This figure stands for a lot of happiness, joy, meetings, gatherings, people, family and "
     "abundance."},
    {"CONJUNCTIO",
     {2, 1, 1, 2},
     "Conjunctio",
     "Conjunctio - Union",
     "Interaction",
     "Mpanjaka (Princes)",
     "East",
     "Wednesday",
     "Earth",
     "Mobile",
     "Mercury",
     "Virgo",
     "Intestines",
     "There may be some heavy weight of problems on your head. You will be protected from enemies "
     "and thieves.",
     "There may be some heavy weight of problems on your head. You will be protected from enemies "
     "and thieves. You will be successful in relationships, partnerships or new ventures."},
    {"CARCER",
     {1, 2, 2, 1},
     "Carcer",
     "Carcer - Prison",
     "Isolation",
     "Mpanjaka (Princes)",
     "West",
     "Saturday",
     "Earth",
     "Stable",
     "Saturn",
     "Capricorn",
     "Lower Legs and Knees",
     "This signifies a comfortable house and food to eat. You will be protected from vagabonds.",
     "This signifies a comfortable house and food to eat. You will be protected from vagabonds. It "
     "is only favorable for confinements. Some deals may revert back."},
    {"FORTUNA MAJOR",
     {2, 2, 1, 1},
     "Fortuna Major",
     "Fortuna Major - Greater Fortune",
     "Power",
     "Mpanjaka (Princes)",
     "East",
     "Sunday",
     "Fire",
     "Stable",
     "Sun",
     "Leo",
     "Chest and Heart",
     "This is a very sacred figure and symbolizes fire.",
     "This is a very sacred figure and symbolizes fire. This is a sign of happiness, prosperity, "
     "good luck, material wealth, love, honor and respect."},
    {"FORTUNA MINOR",
     {1, 1, 2, 2},
     "Fortuna Minor",
     "Fortuna Minor - The Lesser Fortune",
     "Speed",
     "Mpanjaka (Princes)",
     "South",
     "Sunday",
     "Air",
     "Mobile",
     "Sun",
     "Leo",
     "Spine",
     "This stands for chiefs and elderly people of the clan. This also represents anger, pride, "
     "domination and food.",
     "This stands for chiefs and elderly people of the clan. This also represents anger, pride, "
     "domination and food. You may have to put in a lot of work but you will have a fast outcome. "
     "There is some instability in your dealings."},
    {"ACQUISITIO",
     {2, 1, 2, 1},
     "Acquisitio",
     "Acquisitio - Gain",
     "Prosperity",
     "Mpanjaka (Princes)",
     "West",
     "Thursday",
     "Fire",
     "Stable",
     "Jupiter",
     "Sagittarius",
     "Thighs",
     "You may receive money. But there may be some problems too. Legal issues will be solved.",
     "You may receive money. But there may be some problems too. Legal issues will be solved. You "
     "will have a lot of material gains, power, promotions and benefits."},
    {"AMISSIO",
     {1, 2, 1, 2},
     "Amissio",
     "Amissio - Loss",
     "Misfortune",
     "Mpanjaka (Princes)",
     "North",
     "Wednesday",
     "Earth",
     "Mobile",
     "Venus",
     "Taurus",
     "Neck",
     "There may be some conflicts for land and children.",
     "There may be some conflicts for land and children. You will face losses in the form of love "
     "or money. Success will be elusive. You will be successful only if you wish to lose "
     "something."},
    {"LAETITIA",
     {1, 2, 2, 2},
     "Laetitia",
     "Laetitia - Joy",
     "Happiness",
     "Andevo (Slaves)",
     "South",
     "Thursday",
     "Water",
     "Mobile",
     "Jupiter",
     "Pisces",
     "Feet",
     "This is the sign of a king. This is good for auspicious occasions like marriage. This "
     "indicates presence of women.",
     "This is the sign of a king. This is good for auspicious occasions like marriage. This "
     "indicates presence of women. There will be success and happiness in whatever task is taken "
     "up. You will have peace of mind, harmony, good luck and prosperity."},
    {"TRISTITIA",
     {2, 2, 2, 1},
     "Tristitia",
     "Tristitia - Sadness",
     "Lonliness",
     "Andevo (Slaves)",
     "North",
     "Saturday",
     "Air",
     "Stable",
     "Saturn",
     "Aquarius",
     "Ankles",
     "There may be a few tears because of your stubborn attitude. Health will improve.",
     "There may be a few tears because of your stubborn attitude. Health will improve. You may "
     "face some loss and humiliation. There may be some unexpected misfortune."},
    {"ALBUS",
     {2, 2, 1, 2},
     "Albus",
     "Albus - White",
     "Peace",
     "Andevo (Slaves)",
     "East",
     "Friday",
     "Air",
     "Stable",
     "Mercury",
     "Gemini",
     "Lungs",
     "You may hear some bad news. You may suffer from heartbreak. ",
     "This is a good time for starting something new. You will need to have a lot of patience. You "
     "may be spiritually inclined."},
    {"RUBEUS",
     {2, 1, 2, 2},
     "Rubeus",
     "Rubeus - Red",
     "Passion",
     "Andevo (Slaves)",
     "North",
     "Tuesday",
     "Water",
     "Mobile ",
     "Mars",
     "Scorpio",
     "Reproductivity System",
     "This is a good sign and will bring lots of joy, material wealth in the form of clothes and "
     "jewelery.",
     "There may be a lot of passion and violence involved. Hear what your inner voice has to tell "
     "you. Find the good in the bad."},
    {"PUELLA",
     {1, 2, 1, 1},
     "Puella",
     "Puella - Girl",
     "Peace",
     "Andevo (Slaves)",
     "West",
     "Friday",
     "Air",
     "Stable",
     "Venus",
     "Libra",
     "Kidneys",
     "This will bring good fortune in riches, love, land and happiness.",
     "This will bring good fortune in riches, love, land and happiness. This is a pure and "
     "harmonious sign. Good for relationships and healing but bad for decision making."},
    {"PUER",
     {1, 1, 2, 1},
     "Puer",
     "Puer - Boy",
     "Worries",
     "Andevo (Slaves)",
     "West",
     "Tuesday",
     "Fire",
     "Mobile",
     "Mars",
     "Aries",
     "Head",
     "This is a sign of misfortune and robberies.",
     "This is a sign of misfortune and robberies. You will have a lot of impulsive energy. You may "
     "be brash in your conduct. You need to control and channelize your energy."},
    {"CAPUT DRACONIS",
     {2, 1, 1, 1},
     "Caput Draconis",
     "Caput Draconis - Dragon's Head",
     "Beginning",
     "Andevo (Slaves)",
     "West",
     "Thursday",
     "Earth",
     "Stable",
     "North Node of Moon",
     "None",
     "Right Arm",
     "You may be faced by evil thoughts. There may be arguments, fights and trials.",
     "This is the time for new beginnings and initiatives. You may be faced by good and evil "
     "thoughts. There may be arguments, fights and trials."},
    {"CAUDA DRACONIS",
     {1, 1, 1, 2},
     "Cauda Draconis",
     "Cauda Draconis - Dragon's Tail",
     "End",
     "Andevo (Slaves)",
     "North",
     "Saturday",
     "Fire",
     "Mobile",
     "South Node of Moon",
     "None",
     "Left Arm",
     "You will get to hear some cold words.",
     "You will get to hear some cold words. This is the end of the road. A good time to finish all "
     "bad things and start afresh."},
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
