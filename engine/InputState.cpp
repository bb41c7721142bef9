#include "engine/InputState.h"

#include "platform/Keys.h"

namespace {
void Update(TKeyFlag& flag, bool heldNow) {
    flag.Pressed = heldNow && !flag.Held;
    flag.Held = heldNow;
}
}  // namespace

void TInputState::Poll(platform::Keyboard& keyboard) {
    keyboard.Read();
    Update(Up, keyboard.IsDown(platform::vk::Up));
    Update(Down, keyboard.IsDown(platform::vk::Down));
    Update(Left, keyboard.IsDown(platform::vk::Left));
    Update(Right, keyboard.IsDown(platform::vk::Right));
    Update(P, keyboard.IsDown(platform::vk::Letter('P')));
    Update(Y, keyboard.IsDown(platform::vk::Letter('Y')));
    Update(N, keyboard.IsDown(platform::vk::Letter('N')));
    Update(Esc, keyboard.IsDown(platform::vk::Escape));
    HHeld = keyboard.IsDown(platform::vk::Letter('H'));
    SpaceHeld = keyboard.IsDown(platform::vk::Space);
    ZHeld = keyboard.IsDown(platform::vk::Letter('Z'));
    XHeld = keyboard.IsDown(platform::vk::Letter('X'));
}
