.pragma library

// The tables the key and colour pages share with the command line, which reads the value of table
// below as JSON: so no comments, hex numbers or trailing commas below. "cli" is the name
// a row goes by on the command line.
var table = {
    "buttonSlots": [0, 1, 2, 3, 4, 5, 6, 14, 15, 7],
    "buttonNames": ["KEY 1", "KEY \uFF12", "KEY \uFF13", "KEY \uFF14", "KEY \uFF15",
                    "KEY \uFF16", "KEY \uFF17", "KEY \uFF18", "KEY \uFF19", "KEY 10"],
    "mouseRows": [
        { "text": 51, "fallback": "LEFT", "cli": "mouse:left", "bytes": [1, 0, 240, 0] },
        { "text": 52, "fallback": "RIGHT", "cli": "mouse:right", "bytes": [1, 0, 241, 0] },
        { "text": 53, "fallback": "MIDDLE", "cli": "mouse:middle", "bytes": [1, 0, 242, 0] },
        { "text": 54, "fallback": "BACKWARD", "cli": "mouse:backward", "bytes": [1, 0, 243, 0] },
        { "text": 55, "fallback": "FORWARD", "cli": "mouse:forward", "bytes": [1, 0, 244, 0] },
        { "text": 94, "fallback": "TRIPLE CLICK", "cli": "mouse:triple-click", "bytes": [10, 240, 33, 3] },
        { "text": 115, "fallback": "DPI +", "cli": "dpi:up", "bytes": [7, 0, 1, 0] },
        { "text": 116, "fallback": "DPI -", "cli": "dpi:down", "bytes": [7, 0, 2, 0] },
        { "text": 95, "fallback": "DPI SWITCH", "cli": "dpi:cycle", "bytes": [7, 0, 3, 0] },
        { "text": 109, "fallback": "SCROLL UP", "cli": "mouse:scroll-up", "bytes": [4, 0, 1, 0] },
        { "text": 110, "fallback": "SCROLL DOWN", "cli": "mouse:scroll-down", "bytes": [4, 0, 2, 0] }
    ],
    "mediaUsages": [181, 182, 183, 205, 226, 233, 234, 387, 394, 402, 404, 545, 547, 548, 549, 550,
                    551, 554],
    "mediaFirstText": 56,
    "mediaFallbacks": ["NEXT TRACK", "PREVIOUS TRACK", "STOP", "PLAY / PAUSE", "MUTE", "VOLUME UP",
                       "VOLUME DOWN", "MEDIA SELECT", "MAIL", "CALCULATOR", "MY COMPUTER",
                       "WWW SEARCH", "WWW HOME", "WWW BACK", "WWW FORWARD", "WWW STOP",
                       "WWW REFRESH", "WWW FAVORITES"],
    "ledControl": [12, 0, 0, 0],
    "profileSwitch": [8, 0, 3, 0],
    "profileSwitchName": "PROFILE SWITCH",
    "effectNameIndex": [87, 13, 88, 14, 20, 15, 89, 90, 91, 92, 24],
    "effectNames": ["LED POWER ON", "STATIC", "TWINKLING", "BREATHING", "NEON", "WAVE", "GLIDING",
                    "FINGER MOVING", "VERTICAL FLIPPING", "YO-YO", "SPOTLIGHT"],
    "effectSpeedRanges": [null, null, null, [1, 9], [1, 9], [1, 9], null, null, [10, 10], [5, 10],
                          [20, 10]]
}
