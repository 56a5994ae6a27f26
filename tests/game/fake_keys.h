// A keyboard for tests: the keys in the set are held, all others are up.
#pragma once

#include <initializer_list>
#include <set>

#include "game/key_input.h"

class FakeKeys : public KeyInput {
public:
    FakeKeys() = default;
    FakeKeys(std::initializer_list<int> held) : heldKeys(held) {}
    bool isPressed(int key) const override { return heldKeys.count(key) != 0; }

    std::set<int> heldKeys;
};
