// English texts.

#include "texts/texts.h"

namespace txt {

const char* const kLanguage = "uk";

const char* const kDamageReasons[21] = {
    "is whole",
    "is missing or cannot be read",
    "is too short for a pool header",
    "is not a pool",
    "is not a picture pool",
    "is not a sound pool",
    "is too short for its index of %d chunks",
    "chunk %d lies past the end of the file",
    "chunk %d is not a picture",
    "chunk %d: the picture's sizes do not fit its data",
    "chunk %d: the picture data end early",
    "chunk %d: the picture data run past the picture",
    "chunk %d is not a WAV sound",
    "chunk %d: the sound data end early",
    "is not a WAV sound",
    "the sound data end early",
    "is not a font",
    "ends before its glyphs",
    "cannot be opened as a movie",
    "its first pictures cannot be decoded",
    "has no chunk %d",
};
const char* const kDamageMore = " (and %d more damaged chunks)";
const char* const kCannotStart = "The game cannot start without this file.";
const char* const kBuiltinFontUsed = "; the built-in font is used instead";
const char* const kCheckWhole = "%d files checked, all whole";
const char* const kCheckDamaged = "%d files checked, %d damaged";

const char* const kPausedSign = "paused";
const char* const kScreenshotSaved = "screenshot: %s";
const char* const kScreenshotFailed = "no screenshot, cannot write to %s";

const char* const kOptionsTitle = "Options";
const char* const kOptionNames[12] = {
    "Screen", "Window size",     "Scaling",          "Vsync",      "Frame cap", "Music", "Effects",
    "Mute",   "Pause when away", "Controller speed", "Resolution", "Detail"};
const char* const kOptionOn = "on";
const char* const kOptionOff = "off";
const char* const kOptionFullScreen = "full screen";
const char* const kOptionWindow = "window";
const char* const kOptionLargest = "as large as fits";
const char* const kOptionScalings[3] = {"whole steps", "fit", "stretch"};
const char* const kOptionPerSecond = "%d a second";
const char* const kOptionDetails[2] = {"simple", "full"};
const char* const kOptionNextStart = "%d x %d after restart";
const char* const kOptionsSaves = "Saves: %s";
const char* const kOptionsPhotos = "Photos: %s";
const char* const kOptionsShots = "Screenshots: %s";
const char* const kOptionsHint = "Arrows choose and change, F10 closes";

const char* const kNewGame = "start new game";
const char* const kLoadSavedGame = "load game";
const char* const kViewIntro = "view intro";
const char* const kQuitGame = "end game";
const char* const kAreYouSure = "Are you sure?";
const char* const kBlankLine = " ";

const char* const kBeachNames[10] = {
    "Chili Beach",    "Nude Vip Beach", "Rodeo Beach",      "Melons Beach",  "Red Banana Beach",
    "Lobster Laguna", "Pleasure Beach", "Nipplonsky Beach", "Sangria Beach", "Rooster's Beach"};
const char* const kHotelNames[3] = {"Sisenor Hotel", "Ravez Palace Hotel", "Hotel Sunburn"};
const char* const kRavezShop = "Ravez Shop";
const char* const kHospitalMap = "Hospital";
const char* const kPoliceMap = "Police";
const char* const kLoadGame = "load game";
const char* const kSaveGame = "save game";
const char* const kToStartScreen = "to startscreen";
const char* const kEndDay = "end day";
const char* const kSpeedSlow = "game speed slow";
const char* const kSpeedNormal = "game speed normal";
const char* const kSpeedFast = "game speed fast";
const char* const kMonths[12] = {"Jan.", "Febr.", "Mar.", "Apr.", "May",  "June",
                                 "July", "Aug.",  "Sep.", "Oct.", "Nov.", "Dec."};
const char* const kDateFormat = " %d-%s%02d";
const char* const kTimeFormat = " %02d:%02d Uhr";
const char* const kMoneyFormat = "Euro: %d";
const char* const kEvicted1 = "You have been thrown out";
const char* const kEvicted2 = "of your room!";

const char* const kToMap = "to map";
const char* const kToHotel = "to Hotel";
const char* const kToLobby = "to lobby";
const char* const kToRoom = "to room";
const char* const kToReception = "to reception";
const char* const kToOutside = "to outside view";
const char* const kBack = "back";

const char* const kLaura = "Laura";
const char* const kLeaveShop = "leave shop";
const char* const kBuyCameras = "buy cameras";
const char* const kBuyCamouflage = "buy camouflage";
const char* const kToShop = "to shop";
const char* const kIntoShop = "to shop";
const char* const kShopClosed = "shop closed";
const char* const kCameraNames[3] = {"DozuveDor I99", "VirivEra", "DerozIri"};
const char* const kLensNames[3] = {"Brillo Y99", "ProfiSpann", "HyperWatch"};
const char* const kFlashNames[3] = {"BlitzBlink Z99", "ProfiFlash", "HyperFlash"};
const char* const kEquipmentCaptions[3][3] = {
    {"DozuveDor I99, 800 Euro", "VirivEra, 1200 Euro", "DerozIri, 2000 Euro"},
    {"Brillo Y99, 400 Euro", "ProfiSpann, 800 Euro", "HyperWatch, 1000 Euro"},
    {"BlitzBlink Z99, 400 Euro", "ProfiFlash, 800 Euro", "HyperFlash, 1000 Euro"}};
const char* const kCamouflageNames[6] = {"lifesaver",   "inflatable matress", "fake sand castle",
                                         "rubber boat", "lifeguard's suite",  "luxury yacht"};
const char* const kCamouflageCaptions[6] = {
    "lifesafer, 50 Euro",    "inflatable matress, 100 Euro", "fake sand castle, 200 Euro",
    "rubber boat, 500 Euro", "lifeguard's suite, 800 Euro",  "luxury yacht, 1000 Euro"};
const char* const kBought = "bought.";
const char* const kRented = "rented";

const char* const kLeaveHotel = "leave hotel";
const char* const kBoredPorter = "bored portier";
const char* const kEatingPorter = "eating portier";
const char* const kRentRoom = "book a room";
const char* const kRoomPrices[3] = {"A room costs 150 Euro a day.", "A room costs 250 Euro a night",
                                    "A room costs 400 Euro a night"};
const char* const kAlreadyHaveRoom = "You already have a room!";
const char* const kNotEnoughMoney = "You don't have enough cash!";
const char* const kTv = "TV";
const char* const kLamp = "lamp";
const char* const kToLaptop = "to laptop";
const char* const kToCamera = "to the camera";
const char* const kToComputer = "to the computer";
const char* const kMoreTip = "increase tip";
const char* const kLessTip = "decrease tip";
const char* const kAsk = "Ask";
const char* const kEuroAmount = "%d Euro";
const char* const kManyVisitors = "A lot of visitor";
const char* const kExpectedToday = "are expected today at";
const char* const kExpected = " ";

const char* const kToApartment = "to appartment";
const char* const kViewSecret = "view secret";
const char* const kRedeemSecret = "activate secret";
const char* const kIntoHospital = "to hospital";
const char* const kToPoliceStation = "to police station";
const char* const kPoliceman = "Policeman";
const char* const kDonation1 = "You donation has been";
const char* const kDonation2 = "gratefully accepted.";
const char* const kPayBill = "pay bill";
const char* const kCare1 = "Due to the special";
const char* const kCare2 = "attention, you feel";
const char* const kCare3 = "better within";
const char* const kCareHours = "%s %02d";
const char* const kCare4 = "hours.";
const char* const kCareCost = "treatment cose:";
const char* const kCareBill = "   %d Euro";
const char* const kToVipBeach = "to VIP Beach";
const char* const kPayFee = "pay amount";
const char* const kWelcomeTo = "Welcome to the ";
const char* const kGateTitles[4] = {"VIP nude beach", "Melons Beach", "Pleasure Beach",
                                    "Nipplonsky Beach"};
const char* const kMembershipFee = "membership fee:";
const char* const kFeeFormats[4] = {"         3000 %s", "         5000 %s", "         8000 %s",
                                    "         10000 %s"};
const char* const kEuro = "Euro";

const char* const kZoom = "Zoom";
const char* const kFlash = "flash";
const char* const kCamouflage = "camouflage";
const char* const kBalanceOnOff = "balance on/off";
const char* const kClockOnOff = "clock on/off";
const char* const kLeaveBeach = "leave beach";
const char* const kEquipmentLost[3] = {"Some of your", "equipment was", "destroyed."};

const char* const kWithTeleAndFlash = "with zoom lens and flash";
const char* const kWithFlash = "with flash";
const char* const kWithTele = "with zoom lens";
const char* const kSharpness[3] = {"picture is excellent", "picture is slightly out of focus",
                                   "picture is out of focues"};
const char* const kPhotoValue = "picture value: %d Euro";
const char* const kPressS = "'s' to save picture";
const char* const kPhotoCount = "number of pictures: %d";
const char* const kTotalValue = "total: %d Euro";
const char* const kSeriesBonus = "incl. series bonus";
const char* const kOrderBonus = "bonus: %d Euro";
const char* const kNoPhotos = "no pictures!";
const char* const kToHotelRoom = "to hotel room";
const char* const kTransferPhotos = "transfer pictures";
const char* const kExported[3] = {"The picture was saved as", "'fotos\\foto%04d.bmp'", " "};
const char* const kExportFailed[2] = {"The picture could not", "be saved."};
const char* const kCounterNotSaved = "(counter not saved)";

const char* const kPhotosSent = "pictures sent: %d";
const char* const kEuroTransferred = "%d Euro transfered";
const char* const kReadNews = "read news";
const char* const kSendPhotos = "send pictures";
const char* const kNoNews = "No news";
const char* const kDaysLeft = "%d days left";
const char* const kDayLeft = "%d day left";

const char* const kSaveTitleFormat = "%03d. Lensquest savegame,";
const char* const kSaveDateFormat = "%02d-%02d-%04d, %02d.%02d.%02d";
const char* const kLoadRow = "load game";
const char* const kSaveRow = "save game";
const char* const kGameLoaded = "game loaded";
const char* const kGameSaved = "game saved";
const char* const kOverwrite1 = "overwrite old";
const char* const kOverwrite2 = "save game?";
const char* const kSaveFailed[2] = {"The game could not", "be saved."};
const char* const kListNotSaved[2] = {"The list of savegames", "could not be saved."};
const char* const kSaveDamaged[2] = {"The savegame is", "damaged."};
const char* const kSaveUnreadable[2] = {"The savegame cannot", "be read."};

}  // namespace txt
