#include "app/sample_vocabulary.h"

namespace zel::sample {

namespace {

const std::vector<const char *> kLipColours = {"Red", "Rose", "Coral", "Nude", "Berry", "Plum", "Mauve", "Cherry",
                                               "Pink Sand", "Brick"};
const std::vector<const char *> kEyeColours = {"Black", "Brown", "Navy", "Plum", "Taupe", "Bronze", "Forest Green",
                                               "Smoky Grey"};
const std::vector<const char *> kSkinTones = {"Ivory", "Porcelain", "Beige", "Sand", "Honey", "Caramel", "Cocoa",
                                              "Espresso"};
const std::vector<const char *> kFragrances = {"Fresh Citrus", "Lavender", "Vanilla", "Ocean Breeze", "Rose Garden",
                                               "Amber", "Green Tea", "Cucumber Melon"};
const std::vector<const char *> kNailColours = {"Classic Red", "Ballet Pink", "Coral", "Pearl", "Clear", "Wine"};
const std::vector<const char *> kHairTypes = {"Normal Hair", "Dry Hair", "Colour Treated", "Fine Hair"};
const std::vector<const char *> kProtection = {"SPF 15", "SPF 30", "SPF 50"};

} // namespace

const std::vector<ProductKind> &productKinds()
{
    static const std::vector<ProductKind> kinds = {
        {"Lipstick", {"3.6 g"}, &kLipColours, 599, 1299, true},
        {"Lip Gloss", {"7 ml", "10 ml"}, &kLipColours, 499, 999, true},
        {"Mascara", {"8 ml", "10 ml"}, &kEyeColours, 599, 1199, true},
        {"Eye Shadow", {"1.5 g", "2.5 g"}, &kEyeColours, 499, 999, true},
        {"Eyeliner", {"0.3 g", "1.2 g"}, &kEyeColours, 399, 799, true},
        {"Foundation", {"30 ml"}, &kSkinTones, 899, 1699, true},
        {"Blush", {"5 g"}, &kLipColours, 599, 1099, true},
        {"Face Cream", {"50 ml"}, &kFragrances, 999, 2999, true},
        {"Body Lotion", {"200 ml", "400 ml"}, &kFragrances, 499, 1199, true},
        {"Shower Gel", {"250 ml", "500 ml"}, &kFragrances, 399, 899, true},
        {"Perfume", {"30 ml", "50 ml"}, &kFragrances, 1999, 4499, true},
        {"Cologne", {"75 ml", "100 ml"}, &kFragrances, 1499, 3499, true},
        {"Nail Enamel", {"12 ml"}, &kNailColours, 299, 699, true},
        {"Hand Cream", {"75 ml", "100 ml"}, &kFragrances, 299, 699, true},
        {"Bath Oil", {"150 ml"}, &kFragrances, 599, 1199, true},
        {"Pressed Powder", {"10 g"}, &kSkinTones, 699, 1299, true},
        {"Concealer", {"6 ml"}, &kSkinTones, 599, 999, true},
        {"Shampoo", {"250 ml", "400 ml"}, &kHairTypes, 399, 799, false},
        {"Conditioner", {"250 ml"}, &kHairTypes, 399, 799, false},
        {"Sun Block", {"150 ml"}, &kProtection, 699, 1299, false},
    };
    return kinds;
}

const std::vector<const char *> &productLines()
{
    static const std::vector<const char *> lines = {"Velvet", "Silk", "Pure", "Radiant", "True Color", "Moisture",
                                                    "Glow", "Natural", "Timeless", "Daily"};
    return lines;
}

const std::vector<const char *> &firstNames()
{
    static const std::vector<const char *> names = {
        "Mary", "Linda", "Barbara", "Susan", "Karen", "Nancy", "Lisa", "Betty", "Sandra", "Donna", "Carol", "Ruth",
        "Sharon", "Michelle", "Laura", "Sarah", "Kimberly", "Deborah", "Jessica", "Shirley", "Cynthia", "Angela",
        "Melissa", "Brenda", "Amy", "Anna", "Rebecca", "Virginia", "Kathleen", "Pamela", "Martha", "Debra", "Amanda",
        "Carmen", "Rosa", "Stephanie", "Carolyn", "Christine", "Marie", "Janet", "Catherine", "Frances", "Ann", "Joyce",
        "Diane", "Alice", "Julie", "Heather", "Teresa", "Doris", "Gloria", "Evelyn", "Jean", "Cheryl", "Mildred",
        "Katherine", "Joan", "Ashley", "Judith", "Rose", "Janice", "Kelly", "Nicole", "Judy", "Christina", "Kathy",
        "Theresa", "Beverly", "Denise", "Tammy", "Irene", "Jane", "Lori", "Rachel", "Marilyn", "Andrea", "Kathryn",
        "Louise", "Sara", "Anne", "Jacqueline", "Wanda", "Bonnie", "Julia", "Ruby", "Lois", "Tina", "Phyllis", "Norma",
        "Paula", "Diana", "Annie", "Lillian", "Emily", "Robin", "Peggy", "Crystal", "Gladys", "Rita", "Dawn", "Connie",
        "Florence", "Tracy", "Edna", "Tiffany", "Lucia", "Chantal", "Sylvie", "Maria", "Guadalupe", "Yolanda",
        "Mei", "Priya", "Aisha", "Robert", "James", "Juan", "David", "Michael"};
    return names;
}

const std::vector<const char *> &lastNames()
{
    static const std::vector<const char *> names = {
        "Smith", "Johnson", "Williams", "Brown", "Jones", "Garcia", "Miller", "Davis", "Rodriguez", "Martinez",
        "Hernandez", "Lopez", "Gonzalez", "Wilson", "Anderson", "Thomas", "Taylor", "Moore", "Jackson", "Martin", "Lee",
        "Perez", "Thompson", "White", "Harris", "Sanchez", "Clark", "Ramirez", "Lewis", "Robinson", "Walker", "Young",
        "Allen", "King", "Wright", "Scott", "Torres", "Nguyen", "Hill", "Flores", "Green", "Adams", "Nelson", "Baker",
        "Hall", "Rivera", "Campbell", "Mitchell", "Carter", "Roberts", "Gomez", "Phillips", "Evans", "Turner", "Diaz",
        "Parker", "Cruz", "Edwards", "Collins", "Reyes", "Stewart", "Morris", "Morales", "Murphy", "Cook", "Rogers",
        "Gutierrez", "Ortiz", "Morgan", "Cooper", "Peterson", "Bailey", "Reed", "Kelly", "Howard", "Ramos", "Kim", "Cox",
        "Ward", "Richardson", "Watson", "Brooks", "Chavez", "Wood", "James", "Bennett", "Gray", "Mendoza", "Ruiz",
        "Hughes", "Price", "Alvarez", "Castillo", "Sanders", "Patel", "Myers", "Long", "Ross", "Foster", "Jimenez",
        "O'Brien", "O'Neill", "McCarthy", "Kowalski", "Nowak", "Schmidt", "Schneider", "Novak", "Tremblay", "Gagnon",
        "Roy", "Cote", "Bouchard", "Lindqvist", "Olsen", "Larsen", "Fischer", "Weber", "Becker", "Santos"};
    return names;
}

const std::vector<const char *> &streets()
{
    static const std::vector<const char *> names = {
        "Main St", "Oak Ave", "Maple Dr", "Cedar Ln", "Pine St", "Elm St", "Lake Rd", "Hill St", "Washington Ave",
        "Lincoln Way", "Park Pl", "Walnut St", "Cherry Ln", "Sunset Blvd", "Meadow Dr", "Church St", "Prairie Rd",
        "Mill Rd", "River Rd", "Jefferson St", "Highland Ave", "Willow Ct", "Chestnut St", "Spring St", "Orchard Ln",
        "Forest Ave", "Birch Dr", "Country Club Rd", "Market St", "Locust St", "Monroe St", "Franklin Ave"};
    return names;
}

const std::vector<Town> &towns()
{
    // The towns around the representative: customers are neighbours, friends and colleagues.
    static const std::vector<Town> list = {
        {"Springfield", "IL", 62701, 217}, {"Springfield", "IL", 62704, 217}, {"Chatham", "IL", 62629, 217},
        {"Rochester", "IL", 62563, 217},   {"Sherman", "IL", 62684, 217},     {"Riverton", "IL", 62561, 217},
        {"Petersburg", "IL", 62675, 217},  {"Auburn", "IL", 62615, 217},      {"Pawnee", "IL", 62558, 217},
        {"Williamsville", "IL", 62693, 217}, {"Athens", "IL", 62613, 217},    {"Pleasant Plains", "IL", 62677, 217},
        {"New Berlin", "IL", 62670, 217},  {"Taylorville", "IL", 62568, 217}, {"Lincoln", "IL", 62656, 217},
        {"Jacksonville", "IL", 62650, 217}, {"Decatur", "IL", 62521, 217},    {"Carlinville", "IL", 62626, 217},
        {"Virden", "IL", 62690, 217},      {"Girard", "IL", 62640, 217},      {"Divernon", "IL", 62530, 217},
        {"Mechanicsburg", "IL", 62545, 217}, {"Dawson", "IL", 62520, 217},    {"Loami", "IL", 62661, 217}};
    return list;
}

} // namespace zel::sample
