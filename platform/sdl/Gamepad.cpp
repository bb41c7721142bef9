#include "platform/sdl/Gamepad.h"

#include "platform/Keys.h"

namespace platform::sdl {

uint16_t VirtualKeyOfButton(SDL_GameControllerButton button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            return vk::Up;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            return vk::Down;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return vk::Left;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return vk::Right;
        case SDL_CONTROLLER_BUTTON_A:
            return vk::Letter('Z');
        case SDL_CONTROLLER_BUTTON_B:
        case SDL_CONTROLLER_BUTTON_BACK:
            return vk::Escape;
        case SDL_CONTROLLER_BUTTON_X:
            return vk::Letter('X');
        case SDL_CONTROLLER_BUTTON_Y:
            return vk::Letter('H');
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
            return vk::Space;
        case SDL_CONTROLLER_BUTTON_START:
            return vk::Letter('P');
        default:
            return 0;
    }
}

Gamepads::~Gamepads() {
    for (const auto& [id, controller] : open_)
        SDL_GameControllerClose(controller);
}

bool Gamepads::HandleDeviceEvent(const SDL_Event& event) {
    if (event.type == SDL_CONTROLLERDEVICEADDED) {
        SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which);
        if (!controller)
            return true;
        const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
        if (!open_.emplace(id, controller).second)
            SDL_GameControllerClose(controller);  // already open: SDL counts the opens
        return true;
    }
    if (event.type == SDL_CONTROLLERDEVICEREMOVED) {
        if (const auto found = open_.find(event.cdevice.which); found != open_.end()) {
            SDL_GameControllerClose(found->second);
            open_.erase(found);
        }
        return true;
    }
    return false;
}

std::vector<uint16_t> Gamepads::HeldKeys() const {
    std::vector<uint16_t> held;
    for (const auto& [id, controller] : open_) {
        for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b) {
            const auto button = static_cast<SDL_GameControllerButton>(b);
            const uint16_t key = VirtualKeyOfButton(button);
            if (key != 0 && SDL_GameControllerGetButton(controller, button))
                held.push_back(key);
        }
        const int16_t x = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX);
        const int16_t y = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY);
        if (x < -StickDeadZone)
            held.push_back(vk::Left);
        if (x > StickDeadZone)
            held.push_back(vk::Right);
        if (y < -StickDeadZone)
            held.push_back(vk::Up);
        if (y > StickDeadZone)
            held.push_back(vk::Down);
    }
    return held;
}

}  // namespace platform::sdl
