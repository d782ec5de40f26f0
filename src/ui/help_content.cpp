#include "ui/help_content.h"

#include <algorithm>

namespace blenker {

namespace {

constexpr const char* kEnglishText =
    "The mission of The Blenker (TBK) is to automatically close any kind of windows on your "
    "desktop, and especially the popup ad banners which never stop from opening while surfing the "
    "Net.\n"
    "\n"
    "To close a window, TBK reads opened windows title bar texts and compare them to its list of "
    "titles (or beginning of titles) of windows to kill.\n"
    "\n"
    "At regular intervals, which you can set between 0.1 and 2 seconds, TBK scans opened windows "
    "and closes those whose titles match one of the list titles.\n"
    "\n"
    "To add a title to the list, there are 2 possible ways :\n"
    "- Fill in the text field and hit the button '+'\n"
    "- Drag the target cursor and drop it over the title bar of the window you want to close";

constexpr const char* kFrenchText =
    "The Blenker (TBK) sert à fermer automatiquement n'importe quelle fenêtre de Windows, et "
    "en particulier les fenêtres de publicités qui apparaissent sans arrêt quand vous "
    "surfez sur Internet.\n"
    "\n"
    "Pour fermer une fenêtre, TBK regarde les textes des barres de titres des fenêtres "
    "ouvertes qu'il compare à sa liste de titres (ou des débuts de titre) des fenêtres  à "
    "exterminer.\n"
    "\n"
    "A intervalle régulier, que vous pouvez changer entre 0.1 et 2 secondes, TBK scanne les "
    "fenêtres actuellement ouvertes et ferme celle qui font partie de sa liste.\n"
    "\n"
    "Pour ajouter un titre, vous avez deux façons :\n"
    "- Taper son texte dans le champ prévu et appuyer sur le bouton '+'\n"
    "- Glisser le curseur en forme de cible sur la barre de titre de la fenêtre que vous "
    "souhaitez fermer.";

constexpr HelpTexts kEnglish{"How to use The Blenker", "Buttons signification", kEnglishText};
constexpr HelpTexts kFrench{"Comment utiliser The Blenker", "Signification des bouttons",
                            kFrenchText};

}  // namespace

const HelpTexts& HelpTextsIn(int language) {
    return language != 0 ? kFrench : kEnglish;
}

namespace {

// The start of a length that is centred at "centredStart", kept inside [areaStart, areaEnd).
int FitInside(int centredStart, int length, int areaStart, int areaEnd) {
    return std::max(areaStart, std::min(centredStart, areaEnd - length));
}

}  // namespace

Rect PlaceHelpWindow(const Rect& owner, Size window, const Rect& workArea) {
    const int left = FitInside(owner.left + (owner.Width() - window.width) / 2, window.width,
                               workArea.left, workArea.right);
    const int top = FitInside(owner.top + (owner.Height() - window.height) / 2, window.height,
                              workArea.top, workArea.bottom);
    return {left, top, left + window.width, top + window.height};
}

}  // namespace blenker
