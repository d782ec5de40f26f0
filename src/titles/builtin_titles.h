// The titles a new title list starts with, when there is no title file yet.
#pragma once

namespace blenker {

inline constexpr const char* kBuiltinTitles[] = {
    "Bienvenue sur la page perso d'un membre Tripod !",
    "Bienvenue sur une page perso MultiMania",
    "Info iFrance",
    "Les Pages Perso de Club-Internet",
    "Les sponsors de Chez",
    "Some words from one of our sponsors",
    "Welcome to a Tripod Member Page",
    "Window refreshes every",
};

}  // namespace blenker
