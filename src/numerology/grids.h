#pragma once
// The five grids of a full name (天格, 人格, 地格, 总格, 外格): their numbers from the stroke counts,
// the element words and three-talent title of the numbers, the score points of a grid number,
// and the readings of a number in table "81" of QorFile.dll.
//
// A family name or a given name of at most two GBK bytes is one character; a longer one is two
// characters, bytes 1-2 and 3-4 (anything after the fourth byte is not read).
#include <string>
#include <string_view>

namespace yav {

// Grid kinds, as GridNumber and GridScore take them.
enum GridKind : int {
    TianGe = 0, // 天格 (heaven)
    DiGe = 1,   // 地格 (earth)
    RenGe = 2,  // 人格 (person)
    ZongGe = 3, // 总格 (total)
    WaiGe = 4,  // 外格 (outer)
};

// Stroke counts of a name's characters; a missing second character has 0 strokes.
struct NameStrokes {
    int s1 = 0, s2 = 0; // family name
    int g1 = 0, g2 = 0; // given name
    bool compoundFamily = false;
    bool doubleGiven = false;
    // 外格 is 2 for a name of exactly one two-byte character on each side, whatever the strokes.
    bool oneCharEach = false;
};

// The characters of a name part as the grids read them: bytes 1-2 and 3-4 (the second empty for
// a part of at most two bytes).
struct NameChars {
    std::string first, second;
};
NameChars splitNamePart(std::string_view part);

// Looks the strokes up with CharStrokes (0 for a character not found).
NameStrokes nameStrokes(std::string_view family, std::string_view given);

// Grid number of a kind from stroke counts; 0 for a kind outside 0..4.
int gridNumber(const NameStrokes& s, int kind);

// Grid number of a kind for a full name; 0 for a kind outside 0..4.
int GridNumber(std::string_view family, std::string_view given, int kind);

// Element word of a grid number by its last digit: 1-2 木, 3-4 火, 5-6 土, 7-8 金, 9-0 水;
// empty for a negative number.
std::string ElementOfNumber(int number);

// Three-talent title: the element words of the 天格, 人格 and 地格 numbers, as 土金木.
std::string TalentTitle(int heaven, int person, int earth);

// Number classes as the score reads them: a number belongs to the first class whose text holds
// it between commas.
inline constexpr std::string_view NumberClassFirst =
    ",1,3,5,7,8,11,13,15,16,18,21,23,24,25,31,32,33,35,37,39,41,45,47,48,52,57,61,63,65,67,68,81,";
inline constexpr std::string_view NumberClassSecond = ",6,17,26,27,29,30,38,49,51,55,58,71,73,75,";
inline constexpr std::string_view NumberClassThird =
    ",2,4,9,10,12,14,19,20,22,28,34,36,40,42,43,44,46,50,53,54,56,59,60,62,64,66,69,70,72,74,76,77,78,79,80,";

// Score points of a grid number in its grid: full points for the first class, 85 % for the
// second, 70 % for the third (天格, 地格, 外格 10; 人格 30; 总格 20). 0 for a number in no class
// (0, above 81, negative) or a kind outside 0..4.
double GridScore(int number, int kind);

// Columns of table "81".
enum ShuliColumn : int { ShuliYy = 0, ShuliJx = 1, ShuliAs = 2, ShuliContent = 3 };

// One column of the row of table "81" for the number, as stored (untrimmed); one blank when the
// table has no row for it, empty for a column code outside 0..3. Throws db::Error when the
// database cannot be read.
std::string ShuliField(int number, int column);

} // namespace yav
