#include "settings/WindowPlacement.h"

WindowPlacement readPlacement(SettingsStore& store) {
    WindowPlacement stored;
    stored.left = store.readInt(SECTION_LOCATION, VALUE_X_POSITION, DEFAULT_X_POSITION);
    stored.top = store.readInt(SECTION_LOCATION, VALUE_Y_POSITION, DEFAULT_Y_POSITION);
    stored.width = store.readInt(SECTION_LOCATION, VALUE_X_SIZE, DEFAULT_X_SIZE);
    stored.height = store.readInt(SECTION_LOCATION, VALUE_Y_SIZE, DEFAULT_Y_SIZE);
    return stored;
}

WindowPlacement placementAtDpi(WindowPlacement stored, int dpi) {
    stored.width = scalePixels(stored.width, dpi);
    stored.height = scalePixels(stored.height, dpi);
    return stored;
}

WindowPlacement fitStoredPlacement(WindowPlacement stored, int fullScreenWidth,
                                   int fullScreenHeight) {
    WindowPlacement placement = stored;
    if (placement.width > fullScreenWidth) {
        placement.left = FIT_MARGIN;
        placement.width = fullScreenWidth - 2 * FIT_MARGIN;
    }
    if (placement.height > fullScreenHeight) {
        placement.top = FIT_MARGIN;
        placement.height = fullScreenHeight - 2 * FIT_MARGIN;
    }
    return placement;
}

void writeWindowSize(SettingsStore& store, int clientWidth, int clientHeight,
                     const FrameInsets& frame, int dpi) {
    store.writeInt(SECTION_LOCATION, VALUE_X_SIZE,
                   unscalePixels(clientWidth + frame.left + frame.right, dpi));
    store.writeInt(SECTION_LOCATION, VALUE_Y_SIZE,
                   unscalePixels(clientHeight + frame.top + frame.bottom, dpi));
}

void writeWindowPosition(SettingsStore& store, int clientLeft, int clientTop,
                         const FrameInsets& frame) {
    store.writeInt(SECTION_LOCATION, VALUE_X_POSITION, clientLeft - frame.left);
    store.writeInt(SECTION_LOCATION, VALUE_Y_POSITION, clientTop - frame.top);
}
