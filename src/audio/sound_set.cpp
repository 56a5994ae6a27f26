#include "audio/sound_set.h"

const char* soundAssetPath(SoundId sound)
{
    switch (sound) {
    case SoundId::TorchCrackle:
        return "assets/sounds/torch_crackle.wav";
    case SoundId::LavaRumble:
        return "assets/sounds/lava_rumble.wav";
    case SoundId::SpiderSkitter:
        return "assets/sounds/spider_skitter.wav";
    case SoundId::Footstep:
        return "assets/sounds/footstep.wav";
    case SoundId::Jump:
        return "assets/sounds/jump.wav";
    case SoundId::Landing:
        return "assets/sounds/landing.wav";
    case SoundId::Bite:
        return "assets/sounds/bite.wav";
    case SoundId::GameOver:
        return "assets/sounds/game_over.wav";
    case SoundId::Victory:
        return "assets/sounds/you_won.wav";
    case SoundId::Respawn:
        return "assets/sounds/respawn.wav";
    case SoundId::Restart:
        return "assets/sounds/restart.wav";
    case SoundId::QuickSave:
        return "assets/sounds/quick_save.wav";
    }
    return "";
}
