#pragma once

// Object groups the events select together: type ids, ending with 0.

extern const int qualifier_13[];
extern const int qualifier_24[];
extern const int qualifier_38[];
extern const int qualifier_43[];
extern const int qualifier_45[];
extern const int qualifier_52[];
extern const int qualifier_55[];
extern const int qualifier_69[];
extern const int qualifier_84[];
extern const int qualifier_86[];
