"""Where each control of the planner and the calculator stands, in twips of the window's client
area (Left, Top, Width, Height), and what it shows: the windows as a user sees them."""

# The program lays its windows out in twips; the screen has 96 pixels to the inch.
TWIPS_PER_PIXEL = 15


def pixels(twips):
    return twips / TWIPS_PER_PIXEL


DAYS = ("Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday")

# Per day: line-1 top, line-2 top, 24-hr label top, breakfast line-1 left and width.
_ROWS = {
    "Sunday": (480, 840, 720, 720, 1935),
    "Monday": (1440, 1800, 1560, 720, 1935),
    "Tuesday": (2400, 2760, 2520, 720, 1935),
    "Wednesday": (3360, 3720, 3480, 960, 1695),
    "Thursday": (4320, 4680, 4440, 720, 1935),
    "Friday": (5280, 5640, 5400, 480, 2175),
    "Saturday": (6240, 6600, 6360, 720, 1935),
}


def _planner_cells():
    cells = {}
    for day_index, day in enumerate(DAYS):
        line1, line2, _, breakfast_left, breakfast_width = _ROWS[day]
        cells[f"Text{3 * day_index + 1}"] = (breakfast_left, line1, breakfast_width, 375)
        cells[f"Text{3 * day_index + 2}"] = (3600, line1, 3495, 375)
        cells[f"Text{3 * day_index + 3}"] = (7320, line1, 3615, 375)
        cells[f"Text{22 + day_index}"] = (3600, line2, 3495, 405)
        cells[f"Text{29 + day_index}"] = (7320, line2, 3615, 405)
        cells[f"Text{36 + day_index}"] = (240, line2, 2175, 405)
    return dict(sorted(cells.items(), key=lambda item: int(item[0][4:])))


PLANNER_CELLS = _planner_cells()
BREAKFAST_CELLS = [f"Text{3 * d + 1}" for d in range(7)] + [f"Text{36 + d}" for d in range(7)]
LUNCH_DINNER_LINE1 = [f"Text{3 * d + 2}" for d in range(7)] + [f"Text{3 * d + 3}" for d in range(7)]
LUNCH_DINNER_LINE2 = [f"Text{n}" for n in range(22, 36)]

HOUR_LABELS = {f"{day}, 24 hr": (2880, _ROWS[day][2], 495, 495) for day in DAYS}

PLANNER_HEADINGS = {
    "Label8": ("    7:00 to 8:00", (1200, 0, 1335, 255)),
    "Label9": ("12:00 to 13:00", (4560, 0, 1695, 255)),
    "Label10": ("17:00 to 18:00", (8640, 0, 1335, 255)),
    "Label11": ("Egg", (1080, 240, 495, 255)),
    "Label12": ("Drink", (1560, 240, 495, 255)),
    "Label13": ("Meat", (2160, 240, 495, 255)),
    "Label14": ("24 hr", (2880, 240, 495, 255)),
    "Label16": ("Meat/Fish; Soup; Vegetable;", (3600, 240, 2175, 255)),
    "Label19": ("Rice; Salad; Fruit;", (5760, 240, 1335, 375)),
    "Label22": ("Meat/Fish; Soup; Vegetable;", (7320, 240, 2295, 375)),
    "Label25": ("Rice; Salad; Fruit; ", (9600, 240, 1455, 375)),
}
PLANNER_DAY_LABELS = {
    "Sunday": (0, 600, 735, 615),
    "Monday": (0, 1440, 855, 375),
    "Tuesday": (0, 2400, 975, 375),
    "Wednesday": (0, 3360, 975, 375),
    "Thursday": (0, 4320, 975, 495),
    "Friday": (0, 5280, 975, 375),
    "Saturday": (0, 6240, 1095, 375),
}
PLANNER_BUTTONS = {
    "C": (120, 120, 495, 375),
    "Auto Breakfast Menu": (720, 7200, 2295, 375),
    "Calculate meat/fish; soup; vegetable": (3600, 7200, 3495, 375),
    "Calculate rice; salad; fruit": (7440, 7200, 3495, 375),
}
BREAKFAST = "Auto Breakfast Menu"
MEAT_SOUP_VEGETABLE = "Calculate meat/fish; soup; vegetable"
RICE_SALAD_FRUIT = "Calculate rice; salad; fruit"
CLEAR = "C"

# The planner's keyboard order, as control names of the cells above and the buttons' captions.
PLANNER_TAB_ORDER = ([BREAKFAST] + [f"Text{n}" for n in range(1, 22)] + [RICE_SALAD_FRUIT, MEAT_SOUP_VEGETABLE, CLEAR]
                     + [f"Text{n}" for n in range(22, 43)])


def planner_rect(name):
    return PLANNER_CELLS.get(name) or PLANNER_BUTTONS[name]


# The first week each button plans when it is the first button pressed after a start.
FIRST_BREAKFAST = {
    "Text1": "Potato and Gravy; Ham; ", "Text36": "Coffee; Ice cream; ",
    "Text4": "Potato and Gravy; Ham; ", "Text37": "Coffee; ",
    "Text7": "Egg Roll; Bacon; ", "Text38": "Fruit Cocktails; ",
    "Text10": "Half Fried; Hotdog; ", "Text39": "Gruver Juice; ",
    "Text13": "Boiled Egg; Ham; ", "Text40": "Gruver Juice; ",
    "Text16": "Egg Roll; Bacon; ", "Text41": "Coffee; ",
    "Text19": "Egg Roll; Bacon; ", "Text42": "Orange Juice; ",
}
FIRST_MEAT_SOUP_VEGETABLE = {
    "Text2": "Turkey; Mixed Vege.; Okra Vege.; ", "Text5": "Turkey; Mixed Vege.; Okra Vege.; ",
    "Text8": "Ham; Tomato; Potato; ", "Text11": "Fish; Sweet and Sour; French Beans; ",
    "Text14": "Chicken; Mixed Vege.; French Beans; ", "Text17": "Ham; Hot and Sour; Okra Vege.; ",
    "Text20": "Ham; Hot and Sour; Eggplant; ", "Text3": "Pork; Hot and Sour; Okra Vege.; ",
    "Text6": "Ham; Mixed Vege.; Long Beans; ", "Text9": "Pork; Celery; Cabbage; ",
    "Text12": "Beef; Sweet and Sour; Long Beans; ", "Text15": "Beef; Hot and Sour; Potato; ",
    "Text18": "Pork; Celery; Okra Vege.; ", "Text21": "Lamb; Asparagus; Bell Peppers; ",
}
FIRST_RICE_SALAD_FRUIT = {
    "Text22": "Chinese Rice; Tomato; Grape; Bahraini Rice; ",
    "Text23": "Chinese Rice; Tomato; Grape; ",
    "Text24": "Rice and Corn; Onion; Mango; ",
    "Text25": "Coconut Rice; Tofu and Sprout; Pear; ",
    "Text26": "Butter Rice; Tomato; Pear; ",
    "Text27": "Rice and Corn; Green Lettuce; Grape; ",
    "Text28": "Rice and Corn; Green Lettuce; Water-melon; ",
    "Text29": "Thai Rice; Green Lettuce; Grape; Special Noodles; ",
    "Text30": "Rice and Corn; Tomato; Apple; ",
    "Text31": "Thai Rice; Red Leaf; Sweet-melon; ",
    "Text32": "White Rice; Tofu and Sprout; Apple; ",
    "Text33": "White Rice; Green Lettuce; Mango; ",
    "Text34": "Thai Rice; Red Leaf; Grape; ",
    "Text35": "Rice and Bean; Bochoy; Banana; ",
}

# The calculator: its fields, buttons, frames and labels, and the fields' tab indexes.
CALCULATOR_FIELDS = {
    "Text1": ((4080, 120, 975, 375), 7), "Text2": ((5520, 120, 1455, 375), 8),
    "Text3": ((7560, 120, 1335, 375), 10), "Text4": ((4080, 600, 975, 375), 14),
    "Text5": ((5520, 600, 1455, 375), 16), "Text6": ((7560, 600, 1335, 375), 18),
    "Text7": ((8160, 2280, 1215, 375), 22), "Text8": ((9480, 2280, 1215, 375), 24),
    "Text17": ((8160, 3000, 1215, 375), 42), "Text18": ((9480, 3000, 1215, 375), 43),
    "Text11": ((8160, 3720, 1215, 375), 30), "Text12": ((9480, 3720, 1215, 375), 32),
    "Text13": ((8160, 4440, 1215, 375), 34), "Text14": ((9480, 4440, 1215, 375), 35),
    "Text15": ((8160, 5160, 1215, 375), 38), "Text16": ((9480, 5160, 1215, 375), 39),
    "Text9": ((8160, 5880, 1215, 375), 26), "Text10": ((9480, 5880, 1215, 375), 27),
    "Text19": ((8160, 6600, 1215, 375), 46), "Text20": ((9480, 6600, 1215, 375), 47),
    "Text21": ((8160, 7200, 1215, 375), 50), "Text22": ((8160, 7560, 1215, 375), 51),
    "Text23": ((8160, 7920, 2535, 375), 53),
}
CALCULATOR_BUTTONS = {
    "Command1": ("C", (9240, 600, 495, 375), 12),
    "Command2": ("Calculate", (9840, 600, 855, 375), 13),
    "Command3": ("Clear", (8280, 1560, 1095, 375), 20),
    "Command4": ("Calculate", (9600, 1560, 975, 375), 21),
    "Command5": ("+", (9720, 7200, 255, 255), 52),
    "Command6": ("-", (9720, 7560, 255, 255), 54),
    "Command7": ("*", (10200, 7200, 255, 255), 55),
    "Command8": ("/", (10200, 7560, 255, 255), 56),
}
CALCULATOR_FRAMES = {
    "Dry Store ": (120, 0, 3735, 3615),
    "Cabin Store ": (120, 3720, 3735, 2295),
    "Cold Room (Meat: -10 degree) ": (4080, 1320, 3735, 2295),
    "Cold Room (Vegetable: +5 degree) ": (4080, 3720, 3735, 2295),
    "Laundary Room ": (120, 6120, 3735, 2055),
    "Galley ": (4080, 6120, 3735, 2055),
}
CALCULATOR_LABELS = {
    "Label23": ("Navorel Weight Convertor", (9240, 120, 1335, 495)),
    "Label1": ("lb  =  ", (5160, 240, 495, 255)),
    "Label2": ("Kg  = ", (7080, 240, 495, 375)),
    "Label4": ("Kg =", (5160, 600, 495, 375)),
    "Label5": ("lb = ", (7080, 600, 495, 375)),
    "Label22": ("Navorel Liquid Convertor", (8280, 1320, 2535, 255)),
    "Label7": ("Gal.(USA)", (8160, 2040, 975, 255)),
    "Label14": ("Gal. (USA)", (9480, 4200, 855, 255)),
    "Label21": ("Navorel Mini-calculator", (8160, 8280, 2655, 255)),
}


def calculator_rect(name):
    if name in CALCULATOR_FIELDS:
        return CALCULATOR_FIELDS[name][0]
    return CALCULATOR_BUTTONS[name][1]


CALCULATOR_TAB_ORDER = [name for name, _ in sorted(
    [(name, index) for name, (_, index) in CALCULATOR_FIELDS.items()]
    + [(name, index) for name, (_, _, index) in CALCULATOR_BUTTONS.items()], key=lambda item: item[1])]
