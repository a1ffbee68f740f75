.pragma library

// The interface texts by index, used until a language pack replaces them. Entry 0 is the
// font family, not a text.
var list = [
    "Arial", "OPTIONS",
    "LOOP", "SPEED", "BRIGHTNESS", "DIRECTION", "PAINTING", "EFFECTS",
    "USER DEFINE 1", "USER DEFINE 2", "USER DEFINE 3", "USER DEFINE 4", "USER DEFINE 5",
    "STATIC", "BREATHING", "WAVE", "INDUCTION DARKEN", "MARQUEE", "RIPPLE",
    "INDUCTION BRIGHTEN", "NEON", "MARQUEE COLORFUL", "RAINING", "MARQUEE CIRCLE",
    "SPOTLIGHT", "ROTATION",
    "SKIN", "SOUND", "ANIMATED", "LANGUAGE", "BACKGROUND", "ON", "OFF", "TEXT", "SIZE",
    "COLOR", "BRIGHTNESS", "NORMAL", "LARGER",
    "SKIN 1", "SKIN 2", "SKIN 3", "SKIN 4", "SKIN 5",
    "MACRO", "ACTION",
    "KEYBOARD", "MOUSE", "MEDIA", "COMBO KEY", "MACRO",
    "LEFT", "RIGHT", "MIDDLE", "BACKWARD", "FORWARD",
    "NEXT TRACK", "PREVIOUS TRACK", "STOP", "PLAY / PAUSE", "MUTE", "VOLUME UP",
    "VOLUME DOWN", "MEDIA SELECT", "MAIL", "CALCULATOR", "MY COMPUTER", "WWW SEARCH",
    "WWW HOME", "WWW BACK", "WWW FORWARD", "WWW STOP", "WWW REFRESH", "WWW FAVORITES",
    "KEY", "MACRO", "COLOR", "RESET", "CANCEL",
    "GAMING MODE",
    "DELETE", "CUT", "PASTE", "COPY", "LOAD", "SAVE",
    "SENSOR",
    "LED POWER ON", "TWINKLING", "GLIDING", "FINGER MOVING", "VERTICAL FLIPPING", "YO-YO",
    "FIRE KEY", "TRIPLE CLICK", "DPI SWITCH", "NORMAL PLAY", "TIMES", "ALWAYS REPEAT",
    "REPEAT ON PRESSED",
    "POLLING RATE", "CURSOR SPEED", "VERTICAL SCROLL SPEED", "DOUBLE CLICK SPEED",
    "DPI LEVEL", "DPI INDICATOR LED",
    "DEFAULT", "APPLY", "SCROLL SWAP", "SCROLL UP", "SCROLL DOWN", "LED CONTROL", "RENAME",
    "ALL RESET", "ALL SAVE", "DPI +", "DPI -", "PROFILE", "PROFILE SWITCH",
    "CONNECTED", "NOT CONNECTED", "NO PERMISSION", "WRITE TO MOUSE", "KEEP MOUSE SETTINGS",
    "CHANGED WITHOUT THE MOUSE",
    "Settings were changed while the mouse was not connected. Write them to the mouse, or keep the settings the mouse holds?",
    "The mouse is plugged in, but this user may not open it:",
    "Install the access rule once, then unplug and replug the mouse (the installed package already has the rule):",
    "USER GUIDE", "CLOSE",
    "KEY\u3010 PRESS ANY \u3011", "DELAY", "LOADING ......"
];
