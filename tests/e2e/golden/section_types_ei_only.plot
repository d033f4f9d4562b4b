    2    1    0    0                                                                                    Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
   11                                                                                                   Line 2 : Total number of sections
    2                                                                                                   Line 3 : Total number of axial thrusts for EI-only computations
  133            0.0000000E+00  0.3604232E+04                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 1
  0.1373268E+03  0.1098614E+09  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.2740134E+03  0.1096054E+09  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.4100600E+03  0.1093493E+09  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.5454664E+03  0.1090933E+09  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.6802328E+03  0.1088372E+09  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.8143590E+03  0.1085812E+09  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.9478452E+03  0.1083252E+09  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.9478452E+03  0.9478452E+08  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.9478452E+03  0.8425291E+08  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.9478452E+03  0.7582761E+08  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.9478452E+03  0.6893420E+08  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.9478452E+03  0.6318968E+08  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.9478452E+03  0.5832893E+08  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.9478452E+03  0.5416258E+08  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.9478452E+03  0.5055174E+08  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.9478452E+03  0.4739226E+08  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.9478452E+03  0.4460448E+08  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.9478452E+03  0.4212645E+08  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.9478452E+03  0.3990927E+08  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.9478452E+03  0.3791381E+08  0.2500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.9478452E+03  0.3610839E+08  0.2625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.9478452E+03  0.3446710E+08  0.2750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.9478452E+03  0.3296853E+08  0.2875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.9478452E+03  0.3159484E+08  0.3000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.9478452E+03  0.3033105E+08  0.3125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.9478452E+03  0.2916447E+08  0.3250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.9478452E+03  0.2808430E+08  0.3375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.9478452E+03  0.2708129E+08  0.3500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.9478452E+03  0.2614745E+08  0.3625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.9721687E+03  0.2592450E+08  0.3750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.1004371E+04  0.2591924E+08  0.3875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.1036559E+04  0.2591398E+08  0.4000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.1068734E+04  0.2590870E+08  0.4125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.1100895E+04  0.2590341E+08  0.4250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.1133043E+04  0.2589811E+08  0.4375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.1165176E+04  0.2589280E+08  0.4500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.1197296E+04  0.2588748E+08  0.4625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.1229402E+04  0.2588215E+08  0.4750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.1261494E+04  0.2587680E+08  0.4875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.1325636E+04  0.2586607E+08  0.5125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.1389722E+04  0.2585529E+08  0.5375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.1453751E+04  0.2584447E+08  0.5625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.1517724E+04  0.2583359E+08  0.5875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.1581639E+04  0.2582268E+08  0.6125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.1645497E+04  0.2581172E+08  0.6375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.1709297E+04  0.2580071E+08  0.6625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.1773039E+04  0.2578966E+08  0.6875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.1836722E+04  0.2577855E+08  0.7125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.1900345E+04  0.2576739E+08  0.7375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.1963909E+04  0.2575619E+08  0.7625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.2027413E+04  0.2574493E+08  0.7875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.2090857E+04  0.2573362E+08  0.8125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.2154240E+04  0.2572226E+08  0.8375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.2217561E+04  0.2571085E+08  0.8625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.2280821E+04  0.2569939E+08  0.8875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.2344018E+04  0.2568787E+08  0.9125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.2407153E+04  0.2567630E+08  0.9375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.2470225E+04  0.2566468E+08  0.9625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.2533233E+04  0.2565300E+08  0.9875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.2596178E+04  0.2564126E+08  0.1012500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.2659057E+04  0.2562947E+08  0.1037500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.2721872E+04  0.2561762E+08  0.1062500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.2784622E+04  0.2560572E+08  0.1087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.2847305E+04  0.2559375E+08  0.1112500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.2909922E+04  0.2558173E+08  0.1137500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.2972472E+04  0.2556966E+08  0.1162500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.3034955E+04  0.2555752E+08  0.1187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.3097370E+04  0.2554532E+08  0.1212500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.3159716E+04  0.2553306E+08  0.1237500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.3221993E+04  0.2552074E+08  0.1262500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.3284201E+04  0.2550835E+08  0.1287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.3342278E+04  0.2546497E+08  0.1312500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.3386124E+04  0.2531681E+08  0.1337500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.3407957E+04  0.2501253E+08  0.1362500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.3414427E+04  0.2460848E+08  0.1387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.3416859E+04  0.2419015E+08  0.1412500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.3419021E+04  0.2378450E+08  0.1437500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.3421133E+04  0.2339236E+08  0.1462500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.3423243E+04  0.2301340E+08  0.1487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.3431404E+04  0.2161514E+08  0.1587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.3438668E+04  0.2037729E+08  0.1687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.3445429E+04  0.1927513E+08  0.1787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.3451645E+04  0.1828686E+08  0.1887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.3457500E+04  0.1739623E+08  0.1987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.3462801E+04  0.1658827E+08  0.2087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.3468071E+04  0.1585404E+08  0.2187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.3472696E+04  0.1518119E+08  0.2287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.3477180E+04  0.1456411E+08  0.2387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.3481634E+04  0.1399652E+08  0.2487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.3485630E+04  0.1347104E+08  0.2587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.3489420E+04  0.1298389E+08  0.2687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.3493180E+04  0.1253159E+08  0.2787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.3496911E+04  0.1211051E+08  0.2887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.3500257E+04  0.1171634E+08  0.2987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.3503439E+04  0.1134717E+08  0.3087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.3506594E+04  0.1100108E+08  0.3187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.3509721E+04  0.1067596E+08  0.3287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.3512819E+04  0.1036995E+08  0.3387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.3515692E+04  0.1008084E+08  0.3487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.3518351E+04  0.9807249E+07  0.3587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.3520983E+04  0.9548429E+07  0.3687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.3523589E+04  0.9303205E+07  0.3787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.3526168E+04  0.9070528E+07  0.3887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.3528719E+04  0.8849452E+07  0.3987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.3531243E+04  0.8639126E+07  0.4087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.3533642E+04  0.8438548E+07  0.4187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.3535855E+04  0.8246891E+07  0.4287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.3538041E+04  0.8063912E+07  0.4387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.3540202E+04  0.7889029E+07  0.4487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.3542335E+04  0.7721712E+07  0.4587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.3544442E+04  0.7561477E+07  0.4687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.3546522E+04  0.7407878E+07  0.4787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.3548573E+04  0.7260508E+07  0.4887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.3550597E+04  0.7118991E+07  0.4987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.3552592E+04  0.6982981E+07  0.5087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.3554558E+04  0.6852160E+07  0.5187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.3556388E+04  0.6726029E+07  0.5287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.3558151E+04  0.6604457E+07  0.5387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.3559887E+04  0.6487266E+07  0.5487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.3569709E+04  0.5863999E+07  0.6087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.3578451E+04  0.5350955E+07  0.6687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.3585933E+04  0.4920663E+07  0.7287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.3591552E+04  0.4553474E+07  0.7887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.3595984E+04  0.4236800E+07  0.8487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.3599441E+04  0.3960871E+07  0.9087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.3601928E+04  0.3718119E+07  0.9687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.3603822E+04  0.3503108E+07  0.1028750E-02                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.3604972E+04  0.3311111E+07  0.1088750E-02                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.3605661E+04  0.3138769E+07  0.1148750E-02                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.3605926E+04  0.2983186E+07  0.1208750E-02                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.3605926E+04  0.2842109E+07  0.1268750E-02                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.3605926E+04  0.2713773E+07  0.1328750E-02                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.3605926E+04  0.2596527E+07  0.1388750E-02                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=133
  129            0.1000000E+03  0.4521314E+04                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 1
  0.1350246E+03  0.1080197E+09  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=1
  0.2700447E+03  0.1080179E+09  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=2
  0.4050536E+03  0.1080143E+09  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=3
  0.5399679E+03  0.1079936E+09  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=4
  0.6744815E+03  0.1079170E+09  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=5
  0.8084519E+03  0.1077936E+09  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=6
  0.9418276E+03  0.1076374E+09  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=7
  0.1074587E+04  0.1074587E+09  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=8
  0.1206720E+04  0.1072640E+09  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=9
  0.1338222E+04  0.1070577E+09  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=10
  0.1338222E+04  0.9732523E+08  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=11
  0.1338222E+04  0.8921479E+08  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=12
  0.1338222E+04  0.8235211E+08  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=13
  0.1338222E+04  0.7646982E+08  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=14
  0.1338222E+04  0.7137183E+08  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=15
  0.1338222E+04  0.6691109E+08  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=16
  0.1338222E+04  0.6297515E+08  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=17
  0.1338222E+04  0.5947653E+08  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=18
  0.1338222E+04  0.5634618E+08  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=19
  0.1338222E+04  0.5352887E+08  0.2500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=20
  0.1338222E+04  0.5097988E+08  0.2625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=21
  0.1338222E+04  0.4866261E+08  0.2750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=22
  0.1366660E+04  0.4753602E+08  0.2875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=23
  0.1400562E+04  0.4668541E+08  0.3000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=24
  0.1434200E+04  0.4589439E+08  0.3125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=25
  0.1467709E+04  0.4516027E+08  0.3250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=26
  0.1501035E+04  0.4447511E+08  0.3375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=27
  0.1534253E+04  0.4383580E+08  0.3500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=28
  0.1567298E+04  0.4323581E+08  0.3625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=29
  0.1600316E+04  0.4267509E+08  0.3750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=30
  0.1633108E+04  0.4214473E+08  0.3875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=31
  0.1665880E+04  0.4164699E+08  0.4000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=32
  0.1698572E+04  0.4117750E+08  0.4125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=33
  0.1731118E+04  0.4073220E+08  0.4250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=34
  0.1763645E+04  0.4031188E+08  0.4375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=35
  0.1796129E+04  0.3991397E+08  0.4500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=36
  0.1828456E+04  0.3953419E+08  0.4625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=37
  0.1860764E+04  0.3917398E+08  0.4750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=38
  0.1893052E+04  0.3883183E+08  0.4875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=39
  0.1957387E+04  0.3819291E+08  0.5125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=40
  0.2021557E+04  0.3761036E+08  0.5375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=41
  0.2085565E+04  0.3707671E+08  0.5625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=42
  0.2149358E+04  0.3658481E+08  0.5875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=43
  0.2213074E+04  0.3613182E+08  0.6125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=44
  0.2276619E+04  0.3571167E+08  0.6375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=45
  0.2340004E+04  0.3532081E+08  0.6625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=46
  0.2403312E+04  0.3495727E+08  0.6875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=47
  0.2466545E+04  0.3461818E+08  0.7125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=48
  0.2529580E+04  0.3429938E+08  0.7375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=49
  0.2592522E+04  0.3400029E+08  0.7625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=50
  0.2655390E+04  0.3371923E+08  0.7875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=51
  0.2718181E+04  0.3345453E+08  0.8125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=52
  0.2780896E+04  0.3320472E+08  0.8375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=53
  0.2843433E+04  0.3296734E+08  0.8625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=54
  0.2905895E+04  0.3274248E+08  0.8875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=55
  0.2968281E+04  0.3252911E+08  0.9125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=56
  0.3030591E+04  0.3232630E+08  0.9375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=57
  0.3092823E+04  0.3213323E+08  0.9625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=58
  0.3154978E+04  0.3194914E+08  0.9875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=59
  0.3217053E+04  0.3177337E+08  0.1012500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=60
  0.3278986E+04  0.3160469E+08  0.1037500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=61
  0.3340842E+04  0.3144322E+08  0.1062500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=62
  0.3402619E+04  0.3128845E+08  0.1087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=63
  0.3464318E+04  0.3113993E+08  0.1112500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=64
  0.3525937E+04  0.3099725E+08  0.1137500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=65
  0.3587476E+04  0.3086001E+08  0.1162500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=66
  0.3648935E+04  0.3072787E+08  0.1187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=67
  0.3710313E+04  0.3060052E+08  0.1212500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=68
  0.3771609E+04  0.3047765E+08  0.1237500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=69
  0.3832823E+04  0.3035899E+08  0.1262500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=70
  0.3893954E+04  0.3024430E+08  0.1287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=71
  0.3954984E+04  0.3013321E+08  0.1312500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=72
  0.4015916E+04  0.3002554E+08  0.1337500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=73
  0.4076765E+04  0.2992121E+08  0.1362500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=74
  0.4137530E+04  0.2982004E+08  0.1387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=75
  0.4196902E+04  0.2971258E+08  0.1412500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=76
  0.4246786E+04  0.2954286E+08  0.1437500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=77
  0.4280989E+04  0.2927172E+08  0.1462500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=78
  0.4298426E+04  0.2889698E+08  0.1487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=79
  0.4315601E+04  0.2718489E+08  0.1587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=80
  0.4329437E+04  0.2565593E+08  0.1687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=81
  0.4341983E+04  0.2429081E+08  0.1787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=82
  0.4353151E+04  0.2306305E+08  0.1887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=83
  0.4363778E+04  0.2195612E+08  0.1987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=84
  0.4373145E+04  0.2094920E+08  0.2087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=85
  0.4382192E+04  0.2003288E+08  0.2187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=86
  0.4390178E+04  0.1919203E+08  0.2287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=87
  0.4398101E+04  0.1842137E+08  0.2387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=88
  0.4404947E+04  0.1770833E+08  0.2487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=89
  0.4411646E+04  0.1704984E+08  0.2587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=90
  0.4418080E+04  0.1643937E+08  0.2687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=91
  0.4423701E+04  0.1586978E+08  0.2787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=92
  0.4429265E+04  0.1533944E+08  0.2887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=93
  0.4434769E+04  0.1484441E+08  0.2987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=94
  0.4439437E+04  0.1437874E+08  0.3087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=95
  0.4444011E+04  0.1394200E+08  0.3187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=96
  0.4448528E+04  0.1353164E+08  0.3287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=97
  0.4452987E+04  0.1314535E+08  0.3387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=98
  0.4456745E+04  0.1277920E+08  0.3487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=99
  0.4460413E+04  0.1243321E+08  0.3587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=100
  0.4464026E+04  0.1210583E+08  0.3687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=101
  0.4467583E+04  0.1179560E+08  0.3787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=102
  0.4471082E+04  0.1150118E+08  0.3887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=103
  0.4474033E+04  0.1122015E+08  0.3987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=104
  0.4476876E+04  0.1095260E+08  0.4087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=105
  0.4479665E+04  0.1069771E+08  0.4187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=106
  0.4482400E+04  0.1045458E+08  0.4287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=107
  0.4485079E+04  0.1022240E+08  0.4387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=108
  0.4487701E+04  0.1000045E+08  0.4487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=109
  0.4490144E+04  0.9787779E+07  0.4587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=110
  0.4492236E+04  0.9583436E+07  0.4687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=111
  0.4494275E+04  0.9387519E+07  0.4787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=112
  0.4496260E+04  0.9199508E+07  0.4887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=113
  0.4498190E+04  0.9018927E+07  0.4987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=114
  0.4500064E+04  0.8845334E+07  0.5087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=115
  0.4501880E+04  0.8678323E+07  0.5187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=116
  0.4503638E+04  0.8517519E+07  0.5287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=117
  0.4505336E+04  0.8362573E+07  0.5387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=118
  0.4506950E+04  0.8213121E+07  0.5487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=119
  0.4513319E+04  0.7414077E+07  0.6087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=120
  0.4517752E+04  0.6755517E+07  0.6687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=121
  0.4520165E+04  0.6202628E+07  0.7287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=122
  0.4521126E+04  0.5732014E+07  0.7887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=123
  0.4521361E+04  0.5327082E+07  0.8487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=124
  0.4521361E+04  0.4975362E+07  0.9087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=125
  0.4521361E+04  0.4667211E+07  0.9687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=126
  0.4521361E+04  0.4395004E+07  0.1028750E-02                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=127
  0.4521361E+04  0.4152800E+07  0.1088750E-02                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=128
  0.4521361E+04  0.3935896E+07  0.1148750E-02                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=129
  122            0.0000000E+00  0.5305250E+04                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 2
  0.2509104E+03  0.2007283E+09  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=1
  0.5004158E+03  0.2001663E+09  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=2
  0.7485160E+03  0.1996043E+09  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=3
  0.9952113E+03  0.1990423E+09  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=4
  0.1240501E+04  0.1984802E+09  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=5
  0.1484387E+04  0.1979182E+09  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=6
  0.1484387E+04  0.1696442E+09  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=7
  0.1484387E+04  0.1484387E+09  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=8
  0.1484387E+04  0.1319455E+09  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=9
  0.1484387E+04  0.1187509E+09  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=10
  0.1484387E+04  0.1079554E+09  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=11
  0.1484387E+04  0.9895910E+08  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=12
  0.1484387E+04  0.9134686E+08  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=13
  0.1484387E+04  0.8482209E+08  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=14
  0.1484387E+04  0.7916728E+08  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=15
  0.1484387E+04  0.7421933E+08  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=16
  0.1484387E+04  0.6985348E+08  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=17
  0.1484387E+04  0.6597273E+08  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=18
  0.1484387E+04  0.6250049E+08  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=19
  0.1484387E+04  0.5937546E+08  0.2500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=20
  0.1484387E+04  0.5654806E+08  0.2625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=21
  0.1484387E+04  0.5397769E+08  0.2750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=22
  0.1484387E+04  0.5163084E+08  0.2875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=23
  0.1484387E+04  0.4947955E+08  0.3000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=24
  0.1484387E+04  0.4750037E+08  0.3125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=25
  0.1484387E+04  0.4567343E+08  0.3250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=26
  0.1484387E+04  0.4398182E+08  0.3375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=27
  0.1484387E+04  0.4241104E+08  0.3500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=28
  0.1484387E+04  0.4094859E+08  0.3625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=29
  0.1484387E+04  0.3958364E+08  0.3750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=30
  0.1484387E+04  0.3830675E+08  0.3875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=31
  0.1484387E+04  0.3710966E+08  0.4000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=32
  0.1484387E+04  0.3598513E+08  0.4125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=33
  0.1484387E+04  0.3492674E+08  0.4250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=34
  0.1509758E+04  0.3450877E+08  0.4375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=35
  0.1552416E+04  0.3449813E+08  0.4500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=36
  0.1595046E+04  0.3448748E+08  0.4625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=37
  0.1637648E+04  0.3447680E+08  0.4750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=38
  0.1680222E+04  0.3446610E+08  0.4875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=39
  0.1765287E+04  0.3444462E+08  0.5125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=40
  0.1850238E+04  0.3442304E+08  0.5375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=41
  0.1935076E+04  0.3440136E+08  0.5625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=42
  0.2019800E+04  0.3437958E+08  0.5875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=43
  0.2104409E+04  0.3435769E+08  0.6125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=44
  0.2188901E+04  0.3433571E+08  0.6375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=45
  0.2273277E+04  0.3431361E+08  0.6625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=46
  0.2357535E+04  0.3429142E+08  0.6875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=47
  0.2441674E+04  0.3426911E+08  0.7125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=48
  0.2525694E+04  0.3424670E+08  0.7375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=49
  0.2609594E+04  0.3422418E+08  0.7625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=50
  0.2693372E+04  0.3420155E+08  0.7875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=51
  0.2777028E+04  0.3417881E+08  0.8125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=52
  0.2860561E+04  0.3415595E+08  0.8375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=53
  0.2943970E+04  0.3413298E+08  0.8625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=54
  0.3027254E+04  0.3410990E+08  0.8875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=55
  0.3110411E+04  0.3408670E+08  0.9125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=56
  0.3193442E+04  0.3406338E+08  0.9375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=57
  0.3276345E+04  0.3403995E+08  0.9625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=58
  0.3359118E+04  0.3401639E+08  0.9875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=59
  0.3441762E+04  0.3399271E+08  0.1012500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=60
  0.3524274E+04  0.3396891E+08  0.1037500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=61
  0.3606654E+04  0.3394498E+08  0.1062500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=62
  0.3688901E+04  0.3392093E+08  0.1087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=63
  0.3770579E+04  0.3389284E+08  0.1112500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=64
  0.3844069E+04  0.3379402E+08  0.1137500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=65
  0.3900168E+04  0.3354983E+08  0.1162500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=66
  0.3943816E+04  0.3321108E+08  0.1187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=67
  0.3986654E+04  0.3287962E+08  0.1212500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=68
  0.4029427E+04  0.3256103E+08  0.1237500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=69
  0.4072133E+04  0.3225452E+08  0.1262500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=70
  0.4114773E+04  0.3195940E+08  0.1287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=71
  0.4157346E+04  0.3167502E+08  0.1312500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=72
  0.4199852E+04  0.3140076E+08  0.1337500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=73
  0.4242290E+04  0.3113607E+08  0.1362500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=74
  0.4284659E+04  0.3088043E+08  0.1387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=75
  0.4326960E+04  0.3063335E+08  0.1412500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=76
  0.4366806E+04  0.3037778E+08  0.1437500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=77
  0.4399585E+04  0.3008263E+08  0.1462500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=78
  0.4424164E+04  0.2974228E+08  0.1487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=79
  0.4487972E+04  0.2827069E+08  0.1587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=80
  0.4547973E+04  0.2695095E+08  0.1687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=81
  0.4607496E+04  0.2577620E+08  0.1787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=82
  0.4666440E+04  0.2472286E+08  0.1887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=83
  0.4724360E+04  0.2377037E+08  0.1987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=84
  0.4781803E+04  0.2290684E+08  0.2087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=85
  0.4838758E+04  0.2212004E+08  0.2187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=86
  0.4895214E+04  0.2139984E+08  0.2287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=87
  0.4951160E+04  0.2073784E+08  0.2387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=88
  0.5003463E+04  0.2011442E+08  0.2487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=89
  0.5040112E+04  0.1947869E+08  0.2587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=90
  0.5059674E+04  0.1882669E+08  0.2687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=91
  0.5072936E+04  0.1819887E+08  0.2787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=92
  0.5085629E+04  0.1761257E+08  0.2887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=93
  0.5097879E+04  0.1706403E+08  0.2987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=94
  0.5109250E+04  0.1654818E+08  0.3087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=95
  0.5120415E+04  0.1606405E+08  0.3187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=96
  0.5131370E+04  0.1560873E+08  0.3287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=97
  0.5142109E+04  0.1517966E+08  0.3387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=98
  0.5152627E+04  0.1477456E+08  0.3487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=99
  0.5162921E+04  0.1439142E+08  0.3587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=100
  0.5172727E+04  0.1402773E+08  0.3687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=101
  0.5181944E+04  0.1368170E+08  0.3787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=102
  0.5190935E+04  0.1335289E+08  0.3887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=103
  0.5199728E+04  0.1304007E+08  0.3987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=104
  0.5208174E+04  0.1274171E+08  0.4087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=105
  0.5216439E+04  0.1245717E+08  0.4187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=106
  0.5224527E+04  0.1218548E+08  0.4287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=107
  0.5232280E+04  0.1192542E+08  0.4387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=108
  0.5239857E+04  0.1167656E+08  0.4487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=109
  0.5247280E+04  0.1143821E+08  0.4587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=110
  0.5254482E+04  0.1120956E+08  0.4687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=111
  0.5261415E+04  0.1098990E+08  0.4787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=112
  0.5268100E+04  0.1077872E+08  0.4887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=113
  0.5274561E+04  0.1057556E+08  0.4987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=114
  0.5280866E+04  0.1038008E+08  0.5087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=115
  0.5286914E+04  0.1019164E+08  0.5187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=116
  0.5292865E+04  0.1001015E+08  0.5287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=117
  0.5298719E+04  0.9835210E+07  0.5387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=118
  0.5304473E+04  0.9666466E+07  0.5487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=119
  0.5336210E+04  0.8765848E+07  0.6087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=120
  0.5364196E+04  0.8021228E+07  0.6687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=121
  0.5388429E+04  0.7394071E+07  0.7287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=122
  121            0.1000000E+03  0.6265589E+04                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 2
  0.2512023E+03  0.2009618E+09  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=1
  0.4996598E+03  0.1998639E+09  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=2
  0.7474670E+03  0.1993245E+09  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=3
  0.9940510E+03  0.1988102E+09  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=4
  0.1239286E+04  0.1982858E+09  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=5
  0.1483139E+04  0.1977518E+09  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=6
  0.1725597E+04  0.1972111E+09  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=7
  0.1725597E+04  0.1725597E+09  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=8
  0.1725597E+04  0.1533864E+09  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=9
  0.1725597E+04  0.1380478E+09  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=10
  0.1725597E+04  0.1254980E+09  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=11
  0.1725597E+04  0.1150398E+09  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=12
  0.1725597E+04  0.1061906E+09  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=13
  0.1725597E+04  0.9860555E+08  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=14
  0.1725597E+04  0.9203184E+08  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=15
  0.1725597E+04  0.8627985E+08  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=16
  0.1725597E+04  0.8120457E+08  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=17
  0.1725597E+04  0.7669320E+08  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=18
  0.1725597E+04  0.7265672E+08  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=19
  0.1725597E+04  0.6902388E+08  0.2500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=20
  0.1725597E+04  0.6573703E+08  0.2625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=21
  0.1725597E+04  0.6274898E+08  0.2750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=22
  0.1750499E+04  0.6088692E+08  0.2875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=23
  0.1794384E+04  0.5981278E+08  0.3000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=24
  0.1838230E+04  0.5882335E+08  0.3125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=25
  0.1881748E+04  0.5789995E+08  0.3250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=26
  0.1925191E+04  0.5704270E+08  0.3375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=27
  0.1968597E+04  0.5624562E+08  0.3500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=28
  0.2011810E+04  0.5549820E+08  0.3625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=29
  0.2054873E+04  0.5479662E+08  0.3750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=30
  0.2097901E+04  0.5413938E+08  0.3875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=31
  0.2140892E+04  0.5352231E+08  0.4000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=32
  0.2183761E+04  0.5293965E+08  0.4125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=33
  0.2226467E+04  0.5238746E+08  0.4250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=34
  0.2269138E+04  0.5186602E+08  0.4375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=35
  0.2311774E+04  0.5137276E+08  0.4500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=36
  0.2354375E+04  0.5090541E+08  0.4625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=37
  0.2396941E+04  0.5046191E+08  0.4750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=38
  0.2439315E+04  0.5003724E+08  0.4875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=39
  0.2523948E+04  0.4924776E+08  0.5125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=40
  0.2608442E+04  0.4852916E+08  0.5375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=41
  0.2692798E+04  0.4787196E+08  0.5625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=42
  0.2776841E+04  0.4726539E+08  0.5875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=43
  0.2860690E+04  0.4670514E+08  0.6125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=44
  0.2944401E+04  0.4618668E+08  0.6375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=45
  0.3027974E+04  0.4570527E+08  0.6625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=46
  0.3111408E+04  0.4525685E+08  0.6875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=47
  0.3194669E+04  0.4483746E+08  0.7125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=48
  0.3277678E+04  0.4444309E+08  0.7375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=49
  0.3360549E+04  0.4407277E+08  0.7625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=50
  0.3443281E+04  0.4372420E+08  0.7875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=51
  0.3525874E+04  0.4339537E+08  0.8125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=52
  0.3608326E+04  0.4308449E+08  0.8375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=53
  0.3690636E+04  0.4278998E+08  0.8625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=54
  0.3772804E+04  0.4251046E+08  0.8875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=55
  0.3854827E+04  0.4224468E+08  0.9125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=56
  0.3936706E+04  0.4199154E+08  0.9375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=57
  0.4018381E+04  0.4174942E+08  0.9625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=58
  0.4099900E+04  0.4151798E+08  0.9875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=59
  0.4181274E+04  0.4129653E+08  0.1012500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=60
  0.4262502E+04  0.4108436E+08  0.1037500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=61
  0.4343583E+04  0.4088078E+08  0.1062500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=62
  0.4424515E+04  0.4068520E+08  0.1087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=63
  0.4505298E+04  0.4049706E+08  0.1112500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=64
  0.4585931E+04  0.4031587E+08  0.1137500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=65
  0.4666411E+04  0.4014117E+08  0.1162500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=66
  0.4745510E+04  0.3996219E+08  0.1187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=67
  0.4814956E+04  0.3971098E+08  0.1212500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=68
  0.4868097E+04  0.3933816E+08  0.1237500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=69
  0.4910533E+04  0.3889531E+08  0.1262500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=70
  0.4952759E+04  0.3846803E+08  0.1287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=71
  0.4994900E+04  0.3805638E+08  0.1312500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=72
  0.5036759E+04  0.3765801E+08  0.1337500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=73
  0.5078537E+04  0.3727367E+08  0.1362500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=74
  0.5120233E+04  0.3690258E+08  0.1387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=75
  0.5161846E+04  0.3654404E+08  0.1412500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=76
  0.5203375E+04  0.3619739E+08  0.1437500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=77
  0.5244821E+04  0.3586202E+08  0.1462500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=78
  0.5286183E+04  0.3553736E+08  0.1487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=79
  0.5421432E+04  0.3415075E+08  0.1587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=80
  0.5485865E+04  0.3250883E+08  0.1687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=81
  0.5545902E+04  0.3102602E+08  0.1787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=82
  0.5605197E+04  0.2969641E+08  0.1887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=83
  0.5662764E+04  0.2849190E+08  0.1987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=84
  0.5719684E+04  0.2739969E+08  0.2087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=85
  0.5775941E+04  0.2640430E+08  0.2187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=86
  0.5831211E+04  0.2549163E+08  0.2287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=87
  0.5885319E+04  0.2465055E+08  0.2387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=88
  0.5938757E+04  0.2387440E+08  0.2487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=89
  0.5991509E+04  0.2315559E+08  0.2587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=90
  0.6042249E+04  0.2248279E+08  0.2687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=91
  0.6081023E+04  0.2181533E+08  0.2787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=92
  0.6104256E+04  0.2114028E+08  0.2887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=93
  0.6117941E+04  0.2047846E+08  0.2987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=94
  0.6130022E+04  0.1985432E+08  0.3087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=95
  0.6141723E+04  0.1926815E+08  0.3187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=96
  0.6152998E+04  0.1871634E+08  0.3287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=97
  0.6163058E+04  0.1819353E+08  0.3387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=98
  0.6172520E+04  0.1769898E+08  0.3487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=99
  0.6181716E+04  0.1723126E+08  0.3587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=100
  0.6190453E+04  0.1678767E+08  0.3687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=101
  0.6198930E+04  0.1636681E+08  0.3787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=102
  0.6207116E+04  0.1596686E+08  0.3887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=103
  0.6214900E+04  0.1558596E+08  0.3987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=104
  0.6222155E+04  0.1522240E+08  0.4087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=105
  0.6228910E+04  0.1487501E+08  0.4187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=106
  0.6235309E+04  0.1454300E+08  0.4287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=107
  0.6241561E+04  0.1422578E+08  0.4387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=108
  0.6247662E+04  0.1392237E+08  0.4487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=109
  0.6253488E+04  0.1363158E+08  0.4587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=110
  0.6259091E+04  0.1335273E+08  0.4687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=111
  0.6264572E+04  0.1308527E+08  0.4787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=112
  0.6269929E+04  0.1282850E+08  0.4887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=113
  0.6275072E+04  0.1258160E+08  0.4987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=114
  0.6279985E+04  0.1234395E+08  0.5087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=115
  0.6284800E+04  0.1211528E+08  0.5187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=116
  0.6289516E+04  0.1189506E+08  0.5287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=117
  0.6293956E+04  0.1168252E+08  0.5387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=118
  0.6298125E+04  0.1147722E+08  0.5487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=119
  0.6321042E+04  0.1038364E+08  0.6087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=120
  0.6321042E+04  0.9452025E+07  0.6687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=2, CurvPnt#=121
  121            0.0000000E+00  0.3800108E+05                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 3
  0.3958118E+03  0.6332989E+09  0.6250000E-06                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=1
  0.7908656E+03  0.6326925E+09  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=2
  0.1185161E+04  0.6320861E+09  0.1875000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=3
  0.1578699E+04  0.6314796E+09  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=4
  0.1971479E+04  0.6308732E+09  0.3125000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=5
  0.2363500E+04  0.6302667E+09  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=6
  0.2754764E+04  0.6296603E+09  0.4375000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=7
  0.3145269E+04  0.6290538E+09  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=8
  0.3535017E+04  0.6284474E+09  0.5625000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=9
  0.3924006E+04  0.6278409E+09  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=10
  0.3924006E+04  0.5707645E+09  0.6875000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=11
  0.3924006E+04  0.5232008E+09  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=12
  0.3924006E+04  0.4829546E+09  0.8125000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=13
  0.3924006E+04  0.4484578E+09  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=14
  0.3924006E+04  0.4185606E+09  0.9375000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=15
  0.3984146E+04  0.3984146E+09  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=16
  0.4232053E+04  0.3983109E+09  0.1062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=17
  0.4479829E+04  0.3982070E+09  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=18
  0.4727474E+04  0.3981030E+09  0.1187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=19
  0.4974987E+04  0.3979990E+09  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=20
  0.5222369E+04  0.3978947E+09  0.1312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=21
  0.5469618E+04  0.3977904E+09  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=22
  0.5716735E+04  0.3976859E+09  0.1437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=23
  0.5963720E+04  0.3975814E+09  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=24
  0.6210573E+04  0.3974766E+09  0.1562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=25
  0.6457292E+04  0.3973718E+09  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=26
  0.6703878E+04  0.3972668E+09  0.1687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=27
  0.6950330E+04  0.3971617E+09  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=28
  0.7196649E+04  0.3970565E+09  0.1812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=29
  0.7442834E+04  0.3969512E+09  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=30
  0.7688885E+04  0.3968457E+09  0.1937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=31
  0.7934801E+04  0.3967401E+09  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=32
  0.8180583E+04  0.3966343E+09  0.2062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=33
  0.8426230E+04  0.3965284E+09  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=34
  0.8671741E+04  0.3964224E+09  0.2187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=35
  0.8917117E+04  0.3963163E+09  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=36
  0.9162358E+04  0.3962101E+09  0.2312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=37
  0.9407462E+04  0.3961037E+09  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=38
  0.9652430E+04  0.3959971E+09  0.2437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=39
  0.1014196E+05  0.3957837E+09  0.2562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=40
  0.1063094E+05  0.3955697E+09  0.2687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=41
  0.1111937E+05  0.3953552E+09  0.2812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=42
  0.1160724E+05  0.3951402E+09  0.2937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=43
  0.1209457E+05  0.3949246E+09  0.3062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=44
  0.1258133E+05  0.3947085E+09  0.3187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=45
  0.1306754E+05  0.3944918E+09  0.3312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=46
  0.1355319E+05  0.3942746E+09  0.3437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=47
  0.1403827E+05  0.3940568E+09  0.3562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=48
  0.1452279E+05  0.3938385E+09  0.3687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=49
  0.1500675E+05  0.3936196E+09  0.3812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=50
  0.1549013E+05  0.3934002E+09  0.3937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=51
  0.1597295E+05  0.3931802E+09  0.4062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=52
  0.1645518E+05  0.3929596E+09  0.4187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=53
  0.1693685E+05  0.3927385E+09  0.4312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=54
  0.1741793E+05  0.3925168E+09  0.4437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=55
  0.1789844E+05  0.3922945E+09  0.4562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=56
  0.1837836E+05  0.3920716E+09  0.4687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=57
  0.1885769E+05  0.3918482E+09  0.4812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=58
  0.1933644E+05  0.3916242E+09  0.4937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=59
  0.1981460E+05  0.3913995E+09  0.5062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=60
  0.2029217E+05  0.3911743E+09  0.5187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=61
  0.2076914E+05  0.3909485E+09  0.5312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=62
  0.2124552E+05  0.3907221E+09  0.5437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=63
  0.2172129E+05  0.3904951E+09  0.5562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=64
  0.2219646E+05  0.3902675E+09  0.5687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=65
  0.2266941E+05  0.3900114E+09  0.5812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=66
  0.2310533E+05  0.3891425E+09  0.5937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=67
  0.2350265E+05  0.3876725E+09  0.6062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=68
  0.2387631E+05  0.3858797E+09  0.6187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=69
  0.2423157E+05  0.3838665E+09  0.6312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=70
  0.2457149E+05  0.3816930E+09  0.6437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=71
  0.2489751E+05  0.3793906E+09  0.6562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=72
  0.2521239E+05  0.3770078E+09  0.6687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=73
  0.2551737E+05  0.3745668E+09  0.6812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=74
  0.2581345E+05  0.3720858E+09  0.6937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=75
  0.2610152E+05  0.3695791E+09  0.7062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=76
  0.2638226E+05  0.3670575E+09  0.7187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=77
  0.2665563E+05  0.3645214E+09  0.7312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=78
  0.2692279E+05  0.3619870E+09  0.7437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=79
  0.2794027E+05  0.3520034E+09  0.7937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=80
  0.2888846E+05  0.3423818E+09  0.8437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=81
  0.2978410E+05  0.3332486E+09  0.8937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=82
  0.3060747E+05  0.3243176E+09  0.9437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=83
  0.3133263E+05  0.3152969E+09  0.9937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=84
  0.3199663E+05  0.3065546E+09  0.1043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=85
  0.3261785E+05  0.2982204E+09  0.1093750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=86
  0.3318600E+05  0.2901508E+09  0.1143750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=87
  0.3370161E+05  0.2823171E+09  0.1193750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=88
  0.3416512E+05  0.2746944E+09  0.1243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=89
  0.3453283E+05  0.2669204E+09  0.1293750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=90
  0.3485658E+05  0.2593978E+09  0.1343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=91
  0.3515353E+05  0.2522226E+09  0.1393750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=92
  0.3542893E+05  0.2453952E+09  0.1443750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=93
  0.3568626E+05  0.2389038E+09  0.1493750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=94
  0.3592713E+05  0.2327264E+09  0.1543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=95
  0.3615383E+05  0.2268476E+09  0.1593750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=96
  0.3636854E+05  0.2212534E+09  0.1643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=97
  0.3656703E+05  0.2158939E+09  0.1693750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=98
  0.3674069E+05  0.2106993E+09  0.1743750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=99
  0.3688778E+05  0.2056462E+09  0.1793750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=100
  0.3701841E+05  0.2007778E+09  0.1843750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=101
  0.3713981E+05  0.1961178E+09  0.1893750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=102
  0.3725501E+05  0.1916657E+09  0.1943750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=103
  0.3736105E+05  0.1873909E+09  0.1993750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=104
  0.3746256E+05  0.1833031E+09  0.2043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=105
  0.3755593E+05  0.1793716E+09  0.2093750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=106
  0.3764573E+05  0.1756069E+09  0.2143750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=107
  0.3772885E+05  0.1719834E+09  0.2193750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=108
  0.3780848E+05  0.1685058E+09  0.2243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=109
  0.3788219E+05  0.1651540E+09  0.2293750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=110
  0.3795289E+05  0.1619323E+09  0.2343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=111
  0.3801818E+05  0.1588227E+09  0.2393750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=112
  0.3807773E+05  0.1558168E+09  0.2443750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=113
  0.3813401E+05  0.1529183E+09  0.2493750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=114
  0.3818661E+05  0.1501194E+09  0.2543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=115
  0.3823553E+05  0.1474141E+09  0.2593750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=116
  0.3828188E+05  0.1448014E+09  0.2643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=117
  0.3832643E+05  0.1422791E+09  0.2693750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=118
  0.3836714E+05  0.1398347E+09  0.2743750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=119
  0.3857636E+05  0.1267396E+09  0.3043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=120
  0.3857636E+05  0.1153686E+09  0.3343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=1, CurvPnt#=121
  120            0.1000000E+03  0.3855094E+05                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 3
  0.3946955E+03  0.6315128E+09  0.6250000E-06                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=1
  0.7893487E+03  0.6314789E+09  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=2
  0.1183544E+04  0.6312235E+09  0.1875000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=3
  0.1577043E+04  0.6308170E+09  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=4
  0.1969801E+04  0.6303363E+09  0.3125000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=5
  0.2361809E+04  0.6298157E+09  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=6
  0.2753062E+04  0.6292713E+09  0.4375000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=7
  0.3143559E+04  0.6287117E+09  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=8
  0.3533299E+04  0.6281420E+09  0.5625000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=9
  0.3922281E+04  0.6275650E+09  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=10
  0.4310506E+04  0.6269827E+09  0.6875000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=11
  0.4310506E+04  0.5747342E+09  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=12
  0.4310506E+04  0.5305238E+09  0.8125000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=13
  0.4310506E+04  0.4926293E+09  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=14
  0.4310506E+04  0.4597873E+09  0.9375000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=15
  0.4353836E+04  0.4353836E+09  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=16
  0.4601565E+04  0.4330885E+09  0.1062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=17
  0.4849136E+04  0.4310343E+09  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=18
  0.5096448E+04  0.4291746E+09  0.1187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=19
  0.5343624E+04  0.4274899E+09  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=20
  0.5590665E+04  0.4259554E+09  0.1312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=21
  0.5837545E+04  0.4245488E+09  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=22
  0.6084217E+04  0.4232499E+09  0.1437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=23
  0.6330753E+04  0.4220502E+09  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=24
  0.6577153E+04  0.4209378E+09  0.1562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=25
  0.6823418E+04  0.4199026E+09  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=26
  0.7069546E+04  0.4189361E+09  0.1687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=27
  0.7315529E+04  0.4180302E+09  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=28
  0.7561326E+04  0.4171766E+09  0.1812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=29
  0.7806987E+04  0.4163727E+09  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=30
  0.8052512E+04  0.4156135E+09  0.1937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=31
  0.8297900E+04  0.4148950E+09  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=32
  0.8543151E+04  0.4142134E+09  0.2062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=33
  0.8788265E+04  0.4135654E+09  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=34
  0.9033241E+04  0.4129482E+09  0.2187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=35
  0.9278080E+04  0.4123591E+09  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=36
  0.9522781E+04  0.4117959E+09  0.2312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=37
  0.9767344E+04  0.4112566E+09  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=38
  0.1001177E+05  0.4107392E+09  0.2437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=39
  0.1050015E+05  0.4097620E+09  0.2562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=40
  0.1098798E+05  0.4088549E+09  0.2687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=41
  0.1147524E+05  0.4080087E+09  0.2812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=42
  0.1196195E+05  0.4072154E+09  0.2937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=43
  0.1244810E+05  0.4064687E+09  0.3062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=44
  0.1293369E+05  0.4057628E+09  0.3187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=45
  0.1341871E+05  0.4050931E+09  0.3312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=46
  0.1390316E+05  0.4044557E+09  0.3437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=47
  0.1438705E+05  0.4038470E+09  0.3562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=48
  0.1487036E+05  0.4032640E+09  0.3687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=49
  0.1535310E+05  0.4027043E+09  0.3812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=50
  0.1583526E+05  0.4021654E+09  0.3937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=51
  0.1631685E+05  0.4016455E+09  0.4062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=52
  0.1679786E+05  0.4011428E+09  0.4187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=53
  0.1727828E+05  0.4006557E+09  0.4312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=54
  0.1775812E+05  0.4001829E+09  0.4437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=55
  0.1823737E+05  0.3997231E+09  0.4562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=56
  0.1871602E+05  0.3992751E+09  0.4687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=57
  0.1919409E+05  0.3988382E+09  0.4812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=58
  0.1967156E+05  0.3984113E+09  0.4937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=59
  0.2014843E+05  0.3979937E+09  0.5062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=60
  0.2062471E+05  0.3975847E+09  0.5187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=61
  0.2110039E+05  0.3971837E+09  0.5312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=62
  0.2157546E+05  0.3967900E+09  0.5437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=63
  0.2204993E+05  0.3964032E+09  0.5562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=64
  0.2252379E+05  0.3960226E+09  0.5687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=65
  0.2299704E+05  0.3956480E+09  0.5812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=66
  0.2346790E+05  0.3952488E+09  0.5937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=67
  0.2390253E+05  0.3942685E+09  0.6062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=68
  0.2429896E+05  0.3927104E+09  0.6187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=69
  0.2467203E+05  0.3908440E+09  0.6312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=70
  0.2502696E+05  0.3887682E+09  0.6437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=71
  0.2536678E+05  0.3865415E+09  0.6562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=72
  0.2569363E+05  0.3842039E+09  0.6687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=73
  0.2600912E+05  0.3817852E+09  0.6812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=74
  0.2631452E+05  0.3793085E+09  0.6937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=75
  0.2661092E+05  0.3767918E+09  0.7062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=76
  0.2689921E+05  0.3742499E+09  0.7187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=77
  0.2718019E+05  0.3716949E+09  0.7312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=78
  0.2745455E+05  0.3691368E+09  0.7437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=79
  0.2849529E+05  0.3589958E+09  0.7937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=80
  0.2946205E+05  0.3491799E+09  0.8437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=81
  0.3036439E+05  0.3397414E+09  0.8937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=82
  0.3115798E+05  0.3301507E+09  0.9437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=83
  0.3186813E+05  0.3206856E+09  0.9937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=84
  0.3252246E+05  0.3115924E+09  0.1043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=85
  0.3313568E+05  0.3029548E+09  0.1093750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=86
  0.3370908E+05  0.2947242E+09  0.1143750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=87
  0.3422390E+05  0.2866923E+09  0.1193750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=88
  0.3470527E+05  0.2790373E+09  0.1243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=89
  0.3511110E+05  0.2713902E+09  0.1293750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=90
  0.3544550E+05  0.2637804E+09  0.1343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=91
  0.3574883E+05  0.2564938E+09  0.1393750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=92
  0.3602908E+05  0.2495520E+09  0.1443750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=93
  0.3629008E+05  0.2429461E+09  0.1493750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=94
  0.3653326E+05  0.2366527E+09  0.1543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=95
  0.3676163E+05  0.2306612E+09  0.1593750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=96
  0.3697691E+05  0.2249546E+09  0.1643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=97
  0.3717976E+05  0.2195115E+09  0.1693750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=98
  0.3736497E+05  0.2142794E+09  0.1743750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=99
  0.3752592E+05  0.2092037E+09  0.1793750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=100
  0.3766336E+05  0.2042759E+09  0.1843750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=101
  0.3778483E+05  0.1995238E+09  0.1893750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=102
  0.3789943E+05  0.1949810E+09  0.1943750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=103
  0.3800568E+05  0.1906241E+09  0.1993750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=104
  0.3810623E+05  0.1864525E+09  0.2043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=105
  0.3819933E+05  0.1824446E+09  0.2093750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=106
  0.3828775E+05  0.1786017E+09  0.2143750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=107
  0.3837056E+05  0.1749085E+09  0.2193750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=108
  0.3844920E+05  0.1713613E+09  0.2243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=109
  0.3851926E+05  0.1679314E+09  0.2293750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=110
  0.3858677E+05  0.1646369E+09  0.2343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=111
  0.3864797E+05  0.1614537E+09  0.2393750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=112
  0.3870416E+05  0.1583802E+09  0.2443750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=113
  0.3875837E+05  0.1554220E+09  0.2493750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=114
  0.3880789E+05  0.1525617E+09  0.2543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=115
  0.3885497E+05  0.1498023E+09  0.2593750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=116
  0.3890080E+05  0.1471425E+09  0.2643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=117
  0.3894270E+05  0.1445669E+09  0.2693750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=118
  0.3898200E+05  0.1420756E+09  0.2743750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=119
  0.3917203E+05  0.1286966E+09  0.3043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=3, AxLd#=2, CurvPnt#=120
  121            0.0000000E+00  0.3800108E+05                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 4
  0.3936803E+03  0.6298885E+09  0.6250000E-06                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=1
  0.7866049E+03  0.6292839E+09  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=2
  0.1178774E+04  0.6286794E+09  0.1875000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=3
  0.1570187E+04  0.6280748E+09  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=4
  0.1960845E+04  0.6274703E+09  0.3125000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=5
  0.2350746E+04  0.6268657E+09  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=6
  0.2739893E+04  0.6262612E+09  0.4375000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=7
  0.3128283E+04  0.6256566E+09  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=8
  0.3515918E+04  0.6250521E+09  0.5625000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=9
  0.3902797E+04  0.6244475E+09  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=10
  0.3902797E+04  0.5676795E+09  0.6875000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=11
  0.3902797E+04  0.5203729E+09  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=12
  0.3902797E+04  0.4803442E+09  0.8125000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=13
  0.3902797E+04  0.4460339E+09  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=14
  0.3902797E+04  0.4162983E+09  0.9375000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=15
  0.3983820E+04  0.3983820E+09  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=16
  0.4231704E+04  0.3982780E+09  0.1062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=17
  0.4479456E+04  0.3981739E+09  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=18
  0.4727077E+04  0.3980697E+09  0.1187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=19
  0.4974567E+04  0.3979653E+09  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=20
  0.5221924E+04  0.3978608E+09  0.1312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=21
  0.5469148E+04  0.3977562E+09  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=22
  0.5716240E+04  0.3976515E+09  0.1437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=23
  0.5963199E+04  0.3975466E+09  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=24
  0.6210026E+04  0.3974416E+09  0.1562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=25
  0.6456718E+04  0.3973365E+09  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=26
  0.6703278E+04  0.3972313E+09  0.1687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=27
  0.6949703E+04  0.3971259E+09  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=28
  0.7195994E+04  0.3970204E+09  0.1812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=29
  0.7442151E+04  0.3969147E+09  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=30
  0.7688173E+04  0.3968090E+09  0.1937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=31
  0.7934061E+04  0.3967030E+09  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=32
  0.8179813E+04  0.3965970E+09  0.2062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=33
  0.8425430E+04  0.3964908E+09  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=34
  0.8670912E+04  0.3963845E+09  0.2187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=35
  0.8916257E+04  0.3962781E+09  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=36
  0.9161467E+04  0.3961715E+09  0.2312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=37
  0.9406540E+04  0.3960648E+09  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=38
  0.9651477E+04  0.3959580E+09  0.2437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=39
  0.1014094E+05  0.3957439E+09  0.2562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=40
  0.1062985E+05  0.3955293E+09  0.2687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=41
  0.1111821E+05  0.3953142E+09  0.2812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=42
  0.1160602E+05  0.3950985E+09  0.2937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=43
  0.1209327E+05  0.3948823E+09  0.3062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=44
  0.1257996E+05  0.3946655E+09  0.3187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=45
  0.1306609E+05  0.3944481E+09  0.3312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=46
  0.1355166E+05  0.3942302E+09  0.3437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=47
  0.1403667E+05  0.3940118E+09  0.3562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=48
  0.1452111E+05  0.3937927E+09  0.3687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=49
  0.1500498E+05  0.3935731E+09  0.3812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=50
  0.1548827E+05  0.3933530E+09  0.3937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=51
  0.1597100E+05  0.3931322E+09  0.4062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=52
  0.1645314E+05  0.3929109E+09  0.4187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=53
  0.1693471E+05  0.3926890E+09  0.4312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=54
  0.1741570E+05  0.3924666E+09  0.4437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=55
  0.1789611E+05  0.3922435E+09  0.4562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=56
  0.1837593E+05  0.3920198E+09  0.4687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=57
  0.1885516E+05  0.3917956E+09  0.4812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=58
  0.1933381E+05  0.3915708E+09  0.4937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=59
  0.1981186E+05  0.3913453E+09  0.5062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=60
  0.2028931E+05  0.3911193E+09  0.5187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=61
  0.2076617E+05  0.3908926E+09  0.5312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=62
  0.2124243E+05  0.3906654E+09  0.5437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=63
  0.2171809E+05  0.3904375E+09  0.5562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=64
  0.2219314E+05  0.3902090E+09  0.5687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=65
  0.2266666E+05  0.3899640E+09  0.5812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=66
  0.2310346E+05  0.3891109E+09  0.5937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=67
  0.2350131E+05  0.3876504E+09  0.6062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=68
  0.2387539E+05  0.3858649E+09  0.6187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=69
  0.2423102E+05  0.3838577E+09  0.6312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=70
  0.2457129E+05  0.3816899E+09  0.6437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=71
  0.2489784E+05  0.3793957E+09  0.6562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=72
  0.2521294E+05  0.3770160E+09  0.6687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=73
  0.2551811E+05  0.3745778E+09  0.6812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=74
  0.2581436E+05  0.3720989E+09  0.6937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=75
  0.2610258E+05  0.3695941E+09  0.7062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=76
  0.2638324E+05  0.3670711E+09  0.7187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=77
  0.2665678E+05  0.3645372E+09  0.7312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=78
  0.2692408E+05  0.3620044E+09  0.7437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=79
  0.2794181E+05  0.3520228E+09  0.7937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=80
  0.2889009E+05  0.3424010E+09  0.8437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=81
  0.2978566E+05  0.3332661E+09  0.8937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=82
  0.3060837E+05  0.3243271E+09  0.9437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=83
  0.3133333E+05  0.3153040E+09  0.9937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=84
  0.3199706E+05  0.3065587E+09  0.1043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=85
  0.3261820E+05  0.2982235E+09  0.1093750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=86
  0.3318628E+05  0.2901532E+09  0.1143750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=87
  0.3370192E+05  0.2823197E+09  0.1193750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=88
  0.3416564E+05  0.2746986E+09  0.1243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=89
  0.3453358E+05  0.2669262E+09  0.1293750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=90
  0.3485730E+05  0.2594031E+09  0.1343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=91
  0.3515424E+05  0.2522277E+09  0.1393750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=92
  0.3542956E+05  0.2453996E+09  0.1443750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=93
  0.3568681E+05  0.2389075E+09  0.1493750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=94
  0.3592763E+05  0.2327296E+09  0.1543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=95
  0.3615422E+05  0.2268500E+09  0.1593750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=96
  0.3636892E+05  0.2212558E+09  0.1643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=97
  0.3656737E+05  0.2158959E+09  0.1693750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=98
  0.3674106E+05  0.2107014E+09  0.1743750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=99
  0.3688814E+05  0.2056481E+09  0.1793750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=100
  0.3701870E+05  0.2007794E+09  0.1843750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=101
  0.3714005E+05  0.1961191E+09  0.1893750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=102
  0.3725520E+05  0.1916666E+09  0.1943750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=103
  0.3736117E+05  0.1873915E+09  0.1993750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=104
  0.3746263E+05  0.1833034E+09  0.2043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=105
  0.3755598E+05  0.1793718E+09  0.2093750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=106
  0.3764578E+05  0.1756071E+09  0.2143750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=107
  0.3772889E+05  0.1719836E+09  0.2193750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=108
  0.3780851E+05  0.1685059E+09  0.2243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=109
  0.3788223E+05  0.1651541E+09  0.2293750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=110
  0.3795292E+05  0.1619325E+09  0.2343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=111
  0.3801821E+05  0.1588228E+09  0.2393750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=112
  0.3807775E+05  0.1558169E+09  0.2443750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=113
  0.3813402E+05  0.1529184E+09  0.2493750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=114
  0.3818663E+05  0.1501194E+09  0.2543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=115
  0.3823555E+05  0.1474141E+09  0.2593750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=116
  0.3828189E+05  0.1448015E+09  0.2643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=117
  0.3832644E+05  0.1422791E+09  0.2693750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=118
  0.3836714E+05  0.1398347E+09  0.2743750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=119
  0.3857636E+05  0.1267396E+09  0.3043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=120
  0.3857636E+05  0.1153686E+09  0.3343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=1, CurvPnt#=121
  120            0.1000000E+03  0.3855096E+05                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 4
  0.3924732E+03  0.6279571E+09  0.6250000E-06                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=1
  0.7849221E+03  0.6279377E+09  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=2
  0.1176971E+04  0.6277178E+09  0.1875000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=3
  0.1568341E+04  0.6273364E+09  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=4
  0.1958977E+04  0.6268726E+09  0.3125000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=5
  0.2348865E+04  0.6263639E+09  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=6
  0.2738000E+04  0.6258286E+09  0.4375000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=7
  0.3126381E+04  0.6252763E+09  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=8
  0.3514008E+04  0.6247126E+09  0.5625000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=9
  0.3900880E+04  0.6241408E+09  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=10
  0.4286996E+04  0.6235631E+09  0.6875000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=11
  0.4286996E+04  0.5715995E+09  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=12
  0.4286996E+04  0.5276303E+09  0.8125000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=13
  0.4286996E+04  0.4899424E+09  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=14
  0.4286996E+04  0.4572796E+09  0.9375000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=15
  0.4353449E+04  0.4353449E+09  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=16
  0.4601033E+04  0.4330384E+09  0.1062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=17
  0.4848481E+04  0.4309761E+09  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=18
  0.5095727E+04  0.4291138E+09  0.1187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=19
  0.5342803E+04  0.4274243E+09  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=20
  0.5589745E+04  0.4258853E+09  0.1312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=21
  0.5836551E+04  0.4244764E+09  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=22
  0.6083175E+04  0.4231774E+09  0.1437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=23
  0.6329641E+04  0.4219761E+09  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=24
  0.6575972E+04  0.4208622E+09  0.1562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=25
  0.6822167E+04  0.4198257E+09  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=26
  0.7068226E+04  0.4188578E+09  0.1687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=27
  0.7314149E+04  0.4179513E+09  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=28
  0.7559918E+04  0.4170989E+09  0.1812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=29
  0.7805527E+04  0.4162948E+09  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=30
  0.8050999E+04  0.4155354E+09  0.1937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=31
  0.8296334E+04  0.4148167E+09  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=32
  0.8541533E+04  0.4141349E+09  0.2062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=33
  0.8786594E+04  0.4134868E+09  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=34
  0.9031517E+04  0.4128694E+09  0.2187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=35
  0.9276303E+04  0.4122801E+09  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=36
  0.9520950E+04  0.4117168E+09  0.2312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=37
  0.9765459E+04  0.4111772E+09  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=38
  0.1000983E+05  0.4106597E+09  0.2437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=39
  0.1049814E+05  0.4096835E+09  0.2562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=40
  0.1098587E+05  0.4087766E+09  0.2687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=41
  0.1147304E+05  0.4079304E+09  0.2812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=42
  0.1195965E+05  0.4071372E+09  0.2937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=43
  0.1244570E+05  0.4063904E+09  0.3062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=44
  0.1293119E+05  0.4056844E+09  0.3187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=45
  0.1341611E+05  0.4050146E+09  0.3312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=46
  0.1390046E+05  0.4043769E+09  0.3437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=47
  0.1438424E+05  0.4037680E+09  0.3562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=48
  0.1486744E+05  0.4031848E+09  0.3687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=49
  0.1535007E+05  0.4026248E+09  0.3812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=50
  0.1583212E+05  0.4020856E+09  0.3937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=51
  0.1631359E+05  0.4015653E+09  0.4062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=52
  0.1679448E+05  0.4010622E+09  0.4187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=53
  0.1727478E+05  0.4005747E+09  0.4312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=54
  0.1775450E+05  0.4001014E+09  0.4437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=55
  0.1823363E+05  0.3996412E+09  0.4562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=56
  0.1871216E+05  0.3991928E+09  0.4687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=57
  0.1919011E+05  0.3987555E+09  0.4812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=58
  0.1966745E+05  0.3983281E+09  0.4937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=59
  0.2014419E+05  0.3979100E+09  0.5062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=60
  0.2062033E+05  0.3975004E+09  0.5187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=61
  0.2109587E+05  0.3970988E+09  0.5312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=62
  0.2157081E+05  0.3967045E+09  0.5437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=63
  0.2204513E+05  0.3963170E+09  0.5562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=64
  0.2251884E+05  0.3959357E+09  0.5687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=65
  0.2299195E+05  0.3955603E+09  0.5812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=66
  0.2346381E+05  0.3951799E+09  0.5937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=67
  0.2389993E+05  0.3942257E+09  0.6062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=68
  0.2429726E+05  0.3926829E+09  0.6187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=69
  0.2467103E+05  0.3908281E+09  0.6312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=70
  0.2502653E+05  0.3887617E+09  0.6437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=71
  0.2536687E+05  0.3865427E+09  0.6562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=72
  0.2569416E+05  0.3842117E+09  0.6687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=73
  0.2601003E+05  0.3817986E+09  0.6812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=74
  0.2631577E+05  0.3793264E+09  0.6937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=75
  0.2661246E+05  0.3768136E+09  0.7062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=76
  0.2690101E+05  0.3742749E+09  0.7187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=77
  0.2718220E+05  0.3717225E+09  0.7312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=78
  0.2745674E+05  0.3691663E+09  0.7437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=79
  0.2849801E+05  0.3590301E+09  0.7937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=80
  0.2946497E+05  0.3492144E+09  0.8437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=81
  0.3036674E+05  0.3397677E+09  0.8937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=82
  0.3115929E+05  0.3301647E+09  0.9437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=83
  0.3186920E+05  0.3206964E+09  0.9937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=84
  0.3252311E+05  0.3115987E+09  0.1043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=85
  0.3313619E+05  0.3029594E+09  0.1093750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=86
  0.3370951E+05  0.2947279E+09  0.1143750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=87
  0.3422426E+05  0.2866953E+09  0.1193750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=88
  0.3470565E+05  0.2790404E+09  0.1243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=89
  0.3511223E+05  0.2713989E+09  0.1293750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=90
  0.3544690E+05  0.2637909E+09  0.1343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=91
  0.3575018E+05  0.2565035E+09  0.1393750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=92
  0.3603033E+05  0.2495608E+09  0.1443750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=93
  0.3629122E+05  0.2429538E+09  0.1493750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=94
  0.3653433E+05  0.2366596E+09  0.1543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=95
  0.3676265E+05  0.2306676E+09  0.1593750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=96
  0.3697793E+05  0.2249608E+09  0.1643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=97
  0.3718059E+05  0.2195164E+09  0.1693750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=98
  0.3736587E+05  0.2142845E+09  0.1743750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=99
  0.3752688E+05  0.2092091E+09  0.1793750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=100
  0.3766424E+05  0.2042806E+09  0.1843750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=101
  0.3778559E+05  0.1995279E+09  0.1893750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=102
  0.3790011E+05  0.1949845E+09  0.1943750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=103
  0.3800621E+05  0.1906267E+09  0.1993750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=104
  0.3810673E+05  0.1864550E+09  0.2043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=105
  0.3819978E+05  0.1824467E+09  0.2093750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=106
  0.3828818E+05  0.1786037E+09  0.2143750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=107
  0.3837094E+05  0.1749103E+09  0.2193750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=108
  0.3844955E+05  0.1713629E+09  0.2243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=109
  0.3851954E+05  0.1679326E+09  0.2293750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=110
  0.3858702E+05  0.1646379E+09  0.2343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=111
  0.3864819E+05  0.1614546E+09  0.2393750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=112
  0.3870433E+05  0.1583809E+09  0.2443750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=113
  0.3875851E+05  0.1554226E+09  0.2493750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=114
  0.3880801E+05  0.1525622E+09  0.2543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=115
  0.3885507E+05  0.1498027E+09  0.2593750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=116
  0.3890088E+05  0.1471428E+09  0.2643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=117
  0.3894276E+05  0.1445671E+09  0.2693750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=118
  0.3898204E+05  0.1420758E+09  0.2743750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=119
  0.3917205E+05  0.1286967E+09  0.3043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=4, AxLd#=2, CurvPnt#=120
  121            0.0000000E+00  0.3551836E+04                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 5
  0.9117133E+02  0.7293706E+08  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=1
  0.1922125E+03  0.7688500E+08  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=2
  0.2932468E+03  0.7819916E+08  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=3
  0.3942708E+03  0.7885416E+08  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=4
  0.4952810E+03  0.7924496E+08  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=5
  0.5962739E+03  0.7950319E+08  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=6
  0.6972460E+03  0.7968526E+08  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=7
  0.7981939E+03  0.7981939E+08  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=8
  0.8991140E+03  0.7992124E+08  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=9
  0.1000002E+04  0.8000013E+08  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=10
  0.1100816E+04  0.8005934E+08  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=11
  0.1201473E+04  0.8009821E+08  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=12
  0.1301899E+04  0.8011687E+08  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=13
  0.1394129E+04  0.7966453E+08  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=14
  0.1468647E+04  0.7832785E+08  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=15
  0.1530997E+04  0.7654986E+08  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=16
  0.1583345E+04  0.7451036E+08  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=17
  0.1638824E+04  0.7283661E+08  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=18
  0.1676995E+04  0.7061031E+08  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=19
  0.1720687E+04  0.6882750E+08  0.2500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=20
  0.1759524E+04  0.6702949E+08  0.2625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=21
  0.1794224E+04  0.6524449E+08  0.2750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=22
  0.1794224E+04  0.6240777E+08  0.2875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=23
  0.1811751E+04  0.6039171E+08  0.3000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=24
  0.1845715E+04  0.5906289E+08  0.3125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=25
  0.1878043E+04  0.5778594E+08  0.3250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=26
  0.1908869E+04  0.5655908E+08  0.3375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=27
  0.1938325E+04  0.5538072E+08  0.3500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=28
  0.1966542E+04  0.5424945E+08  0.3625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=29
  0.1993648E+04  0.5316394E+08  0.3750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=30
  0.2019765E+04  0.5212298E+08  0.3875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=31
  0.2044686E+04  0.5111714E+08  0.4000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=32
  0.2068732E+04  0.5015107E+08  0.4125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=33
  0.2092077E+04  0.4922534E+08  0.4250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=34
  0.2114610E+04  0.4833394E+08  0.4375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=35
  0.2136260E+04  0.4747244E+08  0.4500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=36
  0.2157479E+04  0.4664819E+08  0.4625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=37
  0.2177820E+04  0.4584883E+08  0.4750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=38
  0.2197699E+04  0.4508100E+08  0.4875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=39
  0.2235736E+04  0.4362411E+08  0.5125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=40
  0.2271824E+04  0.4226649E+08  0.5375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=41
  0.2306188E+04  0.4099890E+08  0.5625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=42
  0.2339048E+04  0.3981358E+08  0.5875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=43
  0.2370333E+04  0.3869931E+08  0.6125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=44
  0.2400361E+04  0.3765273E+08  0.6375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=45
  0.2429394E+04  0.3667009E+08  0.6625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=46
  0.2457537E+04  0.3574599E+08  0.6875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=47
  0.2484322E+04  0.3486767E+08  0.7125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=48
  0.2510549E+04  0.3404134E+08  0.7375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=49
  0.2535858E+04  0.3325715E+08  0.7625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=50
  0.2560429E+04  0.3251339E+08  0.7875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=51
  0.2584420E+04  0.3180825E+08  0.8125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=52
  0.2607651E+04  0.3113613E+08  0.8375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=53
  0.2630408E+04  0.3049749E+08  0.8625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=54
  0.2652594E+04  0.2988838E+08  0.8875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=55
  0.2674200E+04  0.2930630E+08  0.9125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=56
  0.2695618E+04  0.2875326E+08  0.9375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=57
  0.2716153E+04  0.2821977E+08  0.9625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=58
  0.2736638E+04  0.2771279E+08  0.9875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=59
  0.2756600E+04  0.2722568E+08  0.1012500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=60
  0.2776094E+04  0.2675754E+08  0.1037500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=61
  0.2795294E+04  0.2630865E+08  0.1062500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=62
  0.2812617E+04  0.2586314E+08  0.1087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=63
  0.2829056E+04  0.2542971E+08  0.1112500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=64
  0.2845401E+04  0.2501451E+08  0.1137500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=65
  0.2861260E+04  0.2461299E+08  0.1162500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=66
  0.2876560E+04  0.2422367E+08  0.1187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=67
  0.2891744E+04  0.2384943E+08  0.1212500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=68
  0.2906815E+04  0.2348941E+08  0.1237500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=69
  0.2921118E+04  0.2313757E+08  0.1262500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=70
  0.2935246E+04  0.2279802E+08  0.1287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=71
  0.2949273E+04  0.2247065E+08  0.1312500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=72
  0.2963205E+04  0.2215480E+08  0.1337500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=73
  0.2976336E+04  0.2184467E+08  0.1362500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=74
  0.2988617E+04  0.2153958E+08  0.1387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=75
  0.3000432E+04  0.2124200E+08  0.1412500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=76
  0.3012007E+04  0.2095309E+08  0.1437500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=77
  0.3023142E+04  0.2067105E+08  0.1462500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=78
  0.3033826E+04  0.2039547E+08  0.1487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=79
  0.3075117E+04  0.1937081E+08  0.1587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=80
  0.3112731E+04  0.1844581E+08  0.1687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=81
  0.3147358E+04  0.1760760E+08  0.1787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=82
  0.3179904E+04  0.1684717E+08  0.1887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=83
  0.3209621E+04  0.1614904E+08  0.1987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=84
  0.3237862E+04  0.1551072E+08  0.2087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=85
  0.3263924E+04  0.1492079E+08  0.2187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=86
  0.3288979E+04  0.1437805E+08  0.2287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=87
  0.3311914E+04  0.1387189E+08  0.2387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=88
  0.3333407E+04  0.1340063E+08  0.2487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=89
  0.3352144E+04  0.1295515E+08  0.2587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=90
  0.3369577E+04  0.1253796E+08  0.2687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=91
  0.3386299E+04  0.1214816E+08  0.2787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=92
  0.3401562E+04  0.1178030E+08  0.2887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=93
  0.3415796E+04  0.1143363E+08  0.2987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=94
  0.3429451E+04  0.1110753E+08  0.3087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=95
  0.3442427E+04  0.1079977E+08  0.3187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=96
  0.3454020E+04  0.1050652E+08  0.3287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=97
  0.3465126E+04  0.1022915E+08  0.3387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=98
  0.3475762E+04  0.9966343E+07  0.3487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=99
  0.3485903E+04  0.9716804E+07  0.3587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=100
  0.3494937E+04  0.9477795E+07  0.3687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=101
  0.3503303E+04  0.9249646E+07  0.3787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=102
  0.3511222E+04  0.9032084E+07  0.3887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=103
  0.3518725E+04  0.8824389E+07  0.3987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=104
  0.3525782E+04  0.8625766E+07  0.4087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=105
  0.3532493E+04  0.8435804E+07  0.4187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=106
  0.3538156E+04  0.8252259E+07  0.4287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=107
  0.3543569E+04  0.8076511E+07  0.4387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=108
  0.3548673E+04  0.7907907E+07  0.4487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=109
  0.3553416E+04  0.7745865E+07  0.4587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=110
  0.3557946E+04  0.7590284E+07  0.4687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=111
  0.3562203E+04  0.7440633E+07  0.4787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=112
  0.3566131E+04  0.7296431E+07  0.4887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=113
  0.3569879E+04  0.7157651E+07  0.4987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=114
  0.3573079E+04  0.7023250E+07  0.5087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=115
  0.3575946E+04  0.6893389E+07  0.5187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=116
  0.3578657E+04  0.6768146E+07  0.5287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=117
  0.3581231E+04  0.6647296E+07  0.5387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=118
  0.3583668E+04  0.6530603E+07  0.5487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=119
  0.3594485E+04  0.5904697E+07  0.6087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=120
  0.3594485E+04  0.5374930E+07  0.6687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=1, CurvPnt#=121
  117            0.1000000E+03  0.4187752E+04                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 5
  0.8916691E+02  0.7133353E+08  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=1
  0.1881534E+03  0.7526135E+08  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=2
  0.2871328E+03  0.7656875E+08  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=3
  0.3861017E+03  0.7722035E+08  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=4
  0.4850566E+03  0.7760905E+08  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=5
  0.5839937E+03  0.7786583E+08  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=6
  0.6829097E+03  0.7804682E+08  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=7
  0.7818009E+03  0.7818009E+08  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=8
  0.8806637E+03  0.7828122E+08  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=9
  0.9794947E+03  0.7835958E+08  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=10
  0.1078290E+04  0.7842111E+08  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=11
  0.1177047E+04  0.7846979E+08  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=12
  0.1275760E+04  0.7850833E+08  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=13
  0.1374404E+04  0.7853738E+08  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=14
  0.1472916E+04  0.7855554E+08  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=15
  0.1571235E+04  0.7856175E+08  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=16
  0.1666451E+04  0.7842124E+08  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=17
  0.1743543E+04  0.7749079E+08  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=18
  0.1817795E+04  0.7653874E+08  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=19
  0.1874783E+04  0.7499132E+08  0.2500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=20
  0.1934628E+04  0.7370013E+08  0.2625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=21
  0.1988810E+04  0.7232036E+08  0.2750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=22
  0.2038087E+04  0.7089000E+08  0.2875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=23
  0.2083505E+04  0.6945016E+08  0.3000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=24
  0.2135898E+04  0.6834874E+08  0.3125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=25
  0.2173059E+04  0.6686335E+08  0.3250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=26
  0.2173059E+04  0.6438693E+08  0.3375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=27
  0.2209717E+04  0.6313477E+08  0.3500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=28
  0.2248588E+04  0.6203000E+08  0.3625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=29
  0.2285787E+04  0.6095433E+08  0.3750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=30
  0.2321453E+04  0.5990845E+08  0.3875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=31
  0.2355718E+04  0.5889296E+08  0.4000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=32
  0.2388718E+04  0.5790832E+08  0.4125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=33
  0.2420583E+04  0.5695489E+08  0.4250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=34
  0.2451007E+04  0.5602302E+08  0.4375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=35
  0.2480452E+04  0.5512116E+08  0.4500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=36
  0.2509066E+04  0.5425008E+08  0.4625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=37
  0.2536678E+04  0.5340375E+08  0.4750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=38
  0.2563270E+04  0.5257990E+08  0.4875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=39
  0.2614324E+04  0.5101121E+08  0.5125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=40
  0.2662493E+04  0.4953475E+08  0.5375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=41
  0.2708036E+04  0.4814285E+08  0.5625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=42
  0.2751205E+04  0.4682902E+08  0.5875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=43
  0.2792248E+04  0.4558771E+08  0.6125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=44
  0.2831402E+04  0.4441414E+08  0.6375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=45
  0.2868898E+04  0.4330412E+08  0.6625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=46
  0.2904960E+04  0.4225396E+08  0.6875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=47
  0.2939539E+04  0.4125668E+08  0.7125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=48
  0.2972574E+04  0.4030608E+08  0.7375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=49
  0.3004683E+04  0.3940568E+08  0.7625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=50
  0.3035653E+04  0.3854798E+08  0.7875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=51
  0.3065436E+04  0.3772844E+08  0.8125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=52
  0.3094734E+04  0.3695205E+08  0.8375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=53
  0.3122584E+04  0.3620387E+08  0.8625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=54
  0.3150234E+04  0.3549559E+08  0.8875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=55
  0.3176534E+04  0.3481133E+08  0.9125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=56
  0.3202755E+04  0.3416272E+08  0.9375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=57
  0.3227663E+04  0.3353416E+08  0.9625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=58
  0.3252462E+04  0.3293632E+08  0.9875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=59
  0.3276372E+04  0.3235923E+08  0.1012500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=60
  0.3299836E+04  0.3180565E+08  0.1037500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=61
  0.3323038E+04  0.3127565E+08  0.1062500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=62
  0.3345255E+04  0.3076096E+08  0.1087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=63
  0.3367402E+04  0.3026879E+08  0.1112500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=64
  0.3389071E+04  0.2979403E+08  0.1137500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=65
  0.3409677E+04  0.2933055E+08  0.1162500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=66
  0.3428703E+04  0.2887329E+08  0.1187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=67
  0.3447301E+04  0.2843135E+08  0.1212500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=68
  0.3465133E+04  0.2800108E+08  0.1237500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=69
  0.3482830E+04  0.2758677E+08  0.1262500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=70
  0.3500369E+04  0.2718733E+08  0.1287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=71
  0.3516893E+04  0.2679538E+08  0.1312500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=72
  0.3533296E+04  0.2641717E+08  0.1337500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=73
  0.3549581E+04  0.2605197E+08  0.1362500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=74
  0.3565482E+04  0.2569717E+08  0.1387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=75
  0.3580698E+04  0.2535007E+08  0.1412500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=76
  0.3595807E+04  0.2501431E+08  0.1437500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=77
  0.3610812E+04  0.2468931E+08  0.1462500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=78
  0.3625514E+04  0.2437320E+08  0.1487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=79
  0.3677357E+04  0.2316445E+08  0.1587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=80
  0.3723559E+04  0.2206554E+08  0.1687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=81
  0.3765993E+04  0.2106849E+08  0.1787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=82
  0.3805370E+04  0.2016090E+08  0.1887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=83
  0.3841273E+04  0.1932716E+08  0.1987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=84
  0.3874688E+04  0.1856138E+08  0.2087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=85
  0.3905864E+04  0.1785538E+08  0.2187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=86
  0.3934661E+04  0.1720070E+08  0.2287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=87
  0.3961724E+04  0.1659361E+08  0.2387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=88
  0.3987045E+04  0.1602832E+08  0.2487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=89
  0.4010504E+04  0.1549953E+08  0.2587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=90
  0.4033099E+04  0.1500688E+08  0.2687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=91
  0.4053230E+04  0.1454074E+08  0.2787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=92
  0.4071583E+04  0.1410072E+08  0.2887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=93
  0.4088625E+04  0.1368577E+08  0.2987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=94
  0.4103682E+04  0.1329128E+08  0.3087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=95
  0.4117593E+04  0.1291794E+08  0.3187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=96
  0.4130669E+04  0.1256477E+08  0.3287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=97
  0.4142770E+04  0.1222958E+08  0.3387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=98
  0.4153201E+04  0.1190882E+08  0.3487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=99
  0.4162886E+04  0.1160386E+08  0.3587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=100
  0.4171939E+04  0.1131373E+08  0.3687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=101
  0.4180358E+04  0.1103725E+08  0.3787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=102
  0.4188011E+04  0.1077302E+08  0.3887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=103
  0.4194533E+04  0.1051921E+08  0.3987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=104
  0.4200655E+04  0.1027683E+08  0.4087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=105
  0.4206196E+04  0.1004465E+08  0.4187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=106
  0.4211422E+04  0.9822560E+07  0.4287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=107
  0.4216172E+04  0.9609508E+07  0.4387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=108
  0.4220540E+04  0.9405102E+07  0.4487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=109
  0.4224315E+04  0.9208316E+07  0.4587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=110
  0.4227470E+04  0.9018602E+07  0.4687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=111
  0.4230360E+04  0.8836260E+07  0.4787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=112
  0.4233040E+04  0.8660951E+07  0.4887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=113
  0.4235374E+04  0.8491978E+07  0.4987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=114
  0.4237423E+04  0.8329087E+07  0.5087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=115
  0.4239295E+04  0.8172135E+07  0.5187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=116
  0.4240991E+04  0.8020787E+07  0.5287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=5, AxLd#=2, CurvPnt#=117
  128            0.0000000E+00  0.9269128E+04                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 6
  0.1892622E+03  0.3028195E+09  0.6250000E-06                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=1
  0.3925457E+03  0.3140366E+09  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=2
  0.5958178E+03  0.3177695E+09  0.1875000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=3
  0.7990727E+03  0.3196291E+09  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=4
  0.1002305E+04  0.3207375E+09  0.3125000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=5
  0.1205508E+04  0.3214687E+09  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=6
  0.1408676E+04  0.3219831E+09  0.4375000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=7
  0.1611804E+04  0.3223609E+09  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=8
  0.1814886E+04  0.3226465E+09  0.5625000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=9
  0.2017917E+04  0.3228666E+09  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=10
  0.2220889E+04  0.3230384E+09  0.6875000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=11
  0.2423798E+04  0.3231730E+09  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=12
  0.2626637E+04  0.3232784E+09  0.8125000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=13
  0.2829402E+04  0.3233602E+09  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=14
  0.3032085E+04  0.3234224E+09  0.9375000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=15
  0.3234678E+04  0.3234678E+09  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=16
  0.3437126E+04  0.3234942E+09  0.1062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=17
  0.3639330E+04  0.3234960E+09  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=18
  0.3841196E+04  0.3234691E+09  0.1187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=19
  0.4042640E+04  0.3234112E+09  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=20
  0.4243594E+04  0.3233214E+09  0.1312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=21
  0.4393948E+04  0.3195598E+09  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=22
  0.4530693E+04  0.3151786E+09  0.1437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=23
  0.4647247E+04  0.3098164E+09  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=24
  0.4745752E+04  0.3037281E+09  0.1562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=25
  0.4826422E+04  0.2970106E+09  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=26
  0.4889860E+04  0.2897695E+09  0.1687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=27
  0.4935944E+04  0.2820540E+09  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=28
  0.4967025E+04  0.2740428E+09  0.1812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=29
  0.5004548E+04  0.2669092E+09  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=30
  0.5072990E+04  0.2618318E+09  0.1937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=31
  0.5110026E+04  0.2555013E+09  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=32
  0.5170279E+04  0.2506802E+09  0.2062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=33
  0.5226938E+04  0.2459735E+09  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=34
  0.5226938E+04  0.2389457E+09  0.2187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=35
  0.5230427E+04  0.2324634E+09  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=36
  0.5280564E+04  0.2283487E+09  0.2312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=37
  0.5328860E+04  0.2243731E+09  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=38
  0.5375182E+04  0.2205203E+09  0.2437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=39
  0.5463376E+04  0.2132049E+09  0.2562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=40
  0.5546292E+04  0.2063737E+09  0.2687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=41
  0.5624271E+04  0.1999741E+09  0.2812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=42
  0.5697969E+04  0.1939734E+09  0.2937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=43
  0.5768101E+04  0.1883462E+09  0.3062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=44
  0.5834986E+04  0.1830584E+09  0.3187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=45
  0.5898926E+04  0.1780808E+09  0.3312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=46
  0.5960214E+04  0.1733880E+09  0.3437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=47
  0.6019124E+04  0.1689579E+09  0.3562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=48
  0.6075922E+04  0.1647708E+09  0.3687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=49
  0.6130888E+04  0.1608102E+09  0.3812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=50
  0.6184286E+04  0.1570612E+09  0.3937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=51
  0.6235969E+04  0.1535008E+09  0.4062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=52
  0.6286056E+04  0.1501148E+09  0.4187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=53
  0.6335081E+04  0.1469004E+09  0.4312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=54
  0.6382840E+04  0.1438387E+09  0.4437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=55
  0.6429213E+04  0.1409143E+09  0.4562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=56
  0.6475018E+04  0.1381337E+09  0.4687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=57
  0.6519260E+04  0.1354651E+09  0.4812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=58
  0.6563077E+04  0.1329231E+09  0.4937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=59
  0.6605691E+04  0.1304828E+09  0.5062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=60
  0.6647874E+04  0.1281518E+09  0.5187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=61
  0.6688953E+04  0.1259097E+09  0.5312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=62
  0.6729837E+04  0.1237671E+09  0.5437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=63
  0.6769472E+04  0.1216984E+09  0.5562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=64
  0.6809076E+04  0.1197200E+09  0.5687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=65
  0.6847653E+04  0.1178091E+09  0.5812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=66
  0.6885902E+04  0.1159731E+09  0.5937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=67
  0.6923878E+04  0.1142083E+09  0.6062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=68
  0.6960859E+04  0.1124987E+09  0.6187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=69
  0.6997808E+04  0.1108564E+09  0.6312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=70
  0.7034303E+04  0.1092707E+09  0.6437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=71
  0.7070069E+04  0.1077344E+09  0.6562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=72
  0.7105804E+04  0.1062550E+09  0.6687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=73
  0.7141235E+04  0.1048255E+09  0.6812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=74
  0.7175868E+04  0.1034359E+09  0.6937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=75
  0.7210470E+04  0.1020952E+09  0.7062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=76
  0.7245042E+04  0.1008006E+09  0.7187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=77
  0.7278806E+04  0.9953923E+08  0.7312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=78
  0.7312357E+04  0.9831740E+08  0.7437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=79
  0.7443558E+04  0.9377711E+08  0.7937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=80
  0.7560118E+04  0.8960140E+08  0.8437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=81
  0.7663743E+04  0.8574818E+08  0.8937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=82
  0.7762105E+04  0.8224747E+08  0.9437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=83
  0.7847039E+04  0.7896392E+08  0.9937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=84
  0.7925771E+04  0.7593553E+08  0.1043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=85
  0.8000132E+04  0.7314406E+08  0.1093750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=86
  0.8069844E+04  0.7055601E+08  0.1143750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=87
  0.8136958E+04  0.6816300E+08  0.1193750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=88
  0.8197966E+04  0.6591329E+08  0.1243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=89
  0.8252792E+04  0.6378969E+08  0.1293750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=90
  0.8303548E+04  0.6179385E+08  0.1343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=91
  0.8352081E+04  0.5992525E+08  0.1393750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=92
  0.8398038E+04  0.5816823E+08  0.1443750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=93
  0.8441326E+04  0.5651097E+08  0.1493750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=94
  0.8483261E+04  0.5495229E+08  0.1543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=95
  0.8522776E+04  0.5347624E+08  0.1593750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=96
  0.8560501E+04  0.5207909E+08  0.1643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=97
  0.8597206E+04  0.5075841E+08  0.1693750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=98
  0.8632387E+04  0.4950473E+08  0.1743750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=99
  0.8665625E+04  0.4831010E+08  0.1793750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=100
  0.8697141E+04  0.4717094E+08  0.1843750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=101
  0.8726448E+04  0.4608025E+08  0.1893750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=102
  0.8753543E+04  0.4503430E+08  0.1943750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=103
  0.8778977E+04  0.4403249E+08  0.1993750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=104
  0.8803623E+04  0.4307583E+08  0.2043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=105
  0.8827535E+04  0.4216136E+08  0.2093750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=106
  0.8850761E+04  0.4128635E+08  0.2143750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=107
  0.8872131E+04  0.4044276E+08  0.2193750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=108
  0.8892748E+04  0.3963342E+08  0.2243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=109
  0.8912799E+04  0.3885689E+08  0.2293750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=110
  0.8932313E+04  0.3811120E+08  0.2343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=111
  0.8951320E+04  0.3739455E+08  0.2393750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=112
  0.8969511E+04  0.3670388E+08  0.2443750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=113
  0.8986404E+04  0.3603570E+08  0.2493750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=114
  0.9002864E+04  0.3539209E+08  0.2543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=115
  0.9018911E+04  0.3477170E+08  0.2593750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=116
  0.9034561E+04  0.3417328E+08  0.2643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=117
  0.9049828E+04  0.3359565E+08  0.2693750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=118
  0.9064727E+04  0.3303773E+08  0.2743750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=119
  0.9141870E+04  0.3003489E+08  0.3043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=120
  0.9205282E+04  0.2752981E+08  0.3343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=121
  0.9253381E+04  0.2539521E+08  0.3643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=122
  0.9289881E+04  0.2355596E+08  0.3943750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=123
  0.9316815E+04  0.2195420E+08  0.4243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=124
  0.9338428E+04  0.2055225E+08  0.4543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=125
  0.9355472E+04  0.1931452E+08  0.4843750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=126
  0.9367519E+04  0.1821146E+08  0.5143750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=127
  0.9376325E+04  0.1722402E+08  0.5443750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=1, CurvPnt#=128
  126            0.1000000E+03  0.1041096E+05                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 6
  0.1859661E+03  0.2975457E+09  0.6250000E-06                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=1
  0.3858916E+03  0.3087133E+09  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=2
  0.5858056E+03  0.3124297E+09  0.1875000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=3
  0.7857020E+03  0.3142808E+09  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=4
  0.9855751E+03  0.3153840E+09  0.3125000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=5
  0.1185419E+04  0.3161117E+09  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=6
  0.1385228E+04  0.3166234E+09  0.4375000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=7
  0.1584995E+04  0.3169990E+09  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=8
  0.1784716E+04  0.3172828E+09  0.5625000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=9
  0.1984384E+04  0.3175014E+09  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=10
  0.2183993E+04  0.3176717E+09  0.6875000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=11
  0.2383538E+04  0.3178050E+09  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=12
  0.2583012E+04  0.3179091E+09  0.8125000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=13
  0.2782409E+04  0.3179897E+09  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=14
  0.2981725E+04  0.3180507E+09  0.9375000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=15
  0.3180952E+04  0.3180952E+09  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=16
  0.3380085E+04  0.3181257E+09  0.1062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=17
  0.3579118E+04  0.3181439E+09  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=18
  0.3778045E+04  0.3181512E+09  0.1187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=19
  0.3976838E+04  0.3181471E+09  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=20
  0.4175428E+04  0.3181278E+09  0.1312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=21
  0.4373732E+04  0.3180896E+09  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=22
  0.4571676E+04  0.3180296E+09  0.1437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=23
  0.4769194E+04  0.3179463E+09  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=24
  0.4939741E+04  0.3161434E+09  0.1562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=25
  0.5085095E+04  0.3129289E+09  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=26
  0.5240323E+04  0.3105377E+09  0.1687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=27
  0.5352783E+04  0.3058733E+09  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=28
  0.5449383E+04  0.3006556E+09  0.1812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=29
  0.5530740E+04  0.2949728E+09  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=30
  0.5636822E+04  0.2909328E+09  0.1937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=31
  0.5690329E+04  0.2845165E+09  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=32
  0.5773061E+04  0.2799060E+09  0.2062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=33
  0.5801740E+04  0.2730231E+09  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=34
  0.5871435E+04  0.2684085E+09  0.2187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=35
  0.5907987E+04  0.2625772E+09  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=36
  0.5973211E+04  0.2583010E+09  0.2312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=37
  0.6034290E+04  0.2540754E+09  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=38
  0.6034290E+04  0.2475606E+09  0.2437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=39
  0.6118584E+04  0.2387740E+09  0.2562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=40
  0.6225407E+04  0.2316430E+09  0.2687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=41
  0.6325477E+04  0.2249058E+09  0.2812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=42
  0.6419510E+04  0.2185365E+09  0.2937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=43
  0.6508037E+04  0.2125073E+09  0.3062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=44
  0.6592067E+04  0.2068099E+09  0.3187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=45
  0.6671972E+04  0.2014180E+09  0.3312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=46
  0.6748104E+04  0.1963085E+09  0.3437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=47
  0.6820801E+04  0.1914611E+09  0.3562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=48
  0.6890382E+04  0.1868578E+09  0.3687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=49
  0.6957153E+04  0.1824827E+09  0.3812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=50
  0.7021405E+04  0.1783214E+09  0.3937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=51
  0.7083415E+04  0.1743610E+09  0.4062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=52
  0.7143448E+04  0.1705898E+09  0.4187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=53
  0.7201756E+04  0.1669972E+09  0.4312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=54
  0.7258094E+04  0.1635627E+09  0.4437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=55
  0.7312643E+04  0.1602771E+09  0.4562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=56
  0.7366066E+04  0.1571427E+09  0.4687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=57
  0.7417993E+04  0.1541401E+09  0.4812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=58
  0.7468542E+04  0.1512616E+09  0.4937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=59
  0.7518464E+04  0.1485129E+09  0.5062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=60
  0.7566484E+04  0.1458599E+09  0.5187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=61
  0.7614178E+04  0.1433257E+09  0.5312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=62
  0.7660290E+04  0.1408789E+09  0.5437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=63
  0.7706098E+04  0.1385366E+09  0.5562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=64
  0.7750438E+04  0.1362714E+09  0.5687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=65
  0.7794719E+04  0.1341027E+09  0.5812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=66
  0.7837386E+04  0.1319981E+09  0.5937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=67
  0.7880012E+04  0.1299796E+09  0.6062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=68
  0.7921567E+04  0.1280253E+09  0.6187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=69
  0.7962617E+04  0.1261405E+09  0.6312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=70
  0.8003394E+04  0.1243246E+09  0.6437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=71
  0.8042962E+04  0.1225594E+09  0.6562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=72
  0.8082489E+04  0.1208596E+09  0.6687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=73
  0.8121432E+04  0.1192137E+09  0.6812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=74
  0.8159568E+04  0.1176154E+09  0.6937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=75
  0.8197664E+04  0.1160731E+09  0.7062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=76
  0.8235225E+04  0.1145770E+09  0.7187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=77
  0.8272020E+04  0.1131216E+09  0.7312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=78
  0.8308776E+04  0.1117146E+09  0.7437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=79
  0.8451884E+04  0.1064804E+09  0.7937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=80
  0.8587692E+04  0.1017800E+09  0.8437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=81
  0.8707768E+04  0.9742958E+08  0.8937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=82
  0.8815872E+04  0.9341321E+08  0.9437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=83
  0.8918305E+04  0.8974395E+08  0.9937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=84
  0.9008748E+04  0.8631135E+08  0.1043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=85
  0.9091375E+04  0.8312114E+08  0.1093750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=86
  0.9168905E+04  0.8016529E+08  0.1143750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=87
  0.9242942E+04  0.7742779E+08  0.1193750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=88
  0.9312236E+04  0.7487225E+08  0.1243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=89
  0.9379149E+04  0.7249584E+08  0.1293750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=90
  0.9437655E+04  0.7023371E+08  0.1343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=91
  0.9492662E+04  0.6810879E+08  0.1393750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=92
  0.9543395E+04  0.6610144E+08  0.1443750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=93
  0.9592404E+04  0.6421693E+08  0.1493750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=94
  0.9638319E+04  0.6243445E+08  0.1543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=95
  0.9682065E+04  0.6075021E+08  0.1593750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=96
  0.9724527E+04  0.5916062E+08  0.1643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=97
  0.9763920E+04  0.5764676E+08  0.1693750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=98
  0.9802047E+04  0.5621246E+08  0.1743750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=99
  0.9839173E+04  0.5485253E+08  0.1793750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=100
  0.9874079E+04  0.5355433E+08  0.1843750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=101
  0.9907559E+04  0.5231714E+08  0.1893750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=102
  0.9940231E+04  0.5113945E+08  0.1943750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=103
  0.9970959E+04  0.5001108E+08  0.1993750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=104
  0.9998169E+04  0.4892070E+08  0.2043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=105
  0.1002404E+05  0.4787603E+08  0.2093750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=106
  0.1004910E+05  0.4687629E+08  0.2143750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=107
  0.1007340E+05  0.4591863E+08  0.2193750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=108
  0.1009627E+05  0.4499732E+08  0.2243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=109
  0.1011768E+05  0.4410976E+08  0.2293750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=110
  0.1013844E+05  0.4325733E+08  0.2343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=111
  0.1015858E+05  0.4243795E+08  0.2393750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=112
  0.1017815E+05  0.4164971E+08  0.2443750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=113
  0.1019704E+05  0.4089040E+08  0.2493750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=114
  0.1021424E+05  0.4015426E+08  0.2543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=115
  0.1023093E+05  0.3944455E+08  0.2593750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=116
  0.1024700E+05  0.3875933E+08  0.2643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=117
  0.1026256E+05  0.3809768E+08  0.2693750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=118
  0.1027768E+05  0.3745853E+08  0.2743750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=119
  0.1035378E+05  0.3401652E+08  0.3043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=120
  0.1041327E+05  0.3114249E+08  0.3343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=121
  0.1045850E+05  0.2870257E+08  0.3643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=122
  0.1049444E+05  0.2661030E+08  0.3943750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=123
  0.1051753E+05  0.2478358E+08  0.4243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=124
  0.1053432E+05  0.2318419E+08  0.4543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=125
  0.1054621E+05  0.2177282E+08  0.4843750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=6, AxLd#=2, CurvPnt#=126
  122            0.0000000E+00  0.6191364E+04                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 7
  0.1445541E+03  0.1156433E+09  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=1
  0.3040528E+03  0.1216211E+09  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=2
  0.4635335E+03  0.1236089E+09  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=3
  0.6229872E+03  0.1245974E+09  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=4
  0.7824047E+03  0.1251847E+09  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=5
  0.9417768E+03  0.1255702E+09  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=6
  0.1101095E+04  0.1258394E+09  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=7
  0.1260349E+04  0.1260349E+09  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=8
  0.1419530E+04  0.1261805E+09  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=9
  0.1578630E+04  0.1262904E+09  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=10
  0.1737639E+04  0.1263737E+09  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=11
  0.1896547E+04  0.1264365E+09  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=12
  0.2055346E+04  0.1264829E+09  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=13
  0.2214027E+04  0.1265158E+09  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=14
  0.2372564E+04  0.1265367E+09  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=15
  0.2530826E+04  0.1265413E+09  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=16
  0.2688676E+04  0.1265259E+09  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=17
  0.2846011E+04  0.1264894E+09  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=18
  0.2962508E+04  0.1247372E+09  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=19
  0.3066207E+04  0.1226483E+09  0.2500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=20
  0.3137834E+04  0.1195365E+09  0.2625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=21
  0.3219335E+04  0.1170667E+09  0.2750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=22
  0.3272810E+04  0.1138369E+09  0.2875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=23
  0.3338960E+04  0.1112987E+09  0.3000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=24
  0.3397148E+04  0.1087087E+09  0.3125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=25
  0.3448090E+04  0.1060951E+09  0.3250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=26
  0.3510358E+04  0.1040106E+09  0.3375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=27
  0.3549020E+04  0.1014006E+09  0.3500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=28
  0.3582697E+04  0.9883302E+08  0.3625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=29
  0.3628340E+04  0.9675575E+08  0.3750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=30
  0.3628340E+04  0.9363459E+08  0.3875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=31
  0.3652928E+04  0.9132321E+08  0.4000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=32
  0.3690685E+04  0.8947114E+08  0.4125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=33
  0.3726819E+04  0.8768985E+08  0.4250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=34
  0.3761486E+04  0.8597683E+08  0.4375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=35
  0.3794831E+04  0.8432959E+08  0.4500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=36
  0.3826987E+04  0.8274567E+08  0.4625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=37
  0.3858076E+04  0.8122266E+08  0.4750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=38
  0.3888030E+04  0.7975447E+08  0.4875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=39
  0.3945237E+04  0.7698023E+08  0.5125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=40
  0.3999455E+04  0.7440846E+08  0.5375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=41
  0.4050893E+04  0.7201587E+08  0.5625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=42
  0.4099913E+04  0.6978576E+08  0.5875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=43
  0.4146952E+04  0.6770534E+08  0.6125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=44
  0.4192207E+04  0.6576011E+08  0.6375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=45
  0.4235864E+04  0.6393757E+08  0.6625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=46
  0.4278133E+04  0.6222739E+08  0.6875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=47
  0.4319209E+04  0.6062048E+08  0.7125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=48
  0.4359229E+04  0.5910819E+08  0.7375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=49
  0.4398299E+04  0.5768261E+08  0.7625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=50
  0.4436179E+04  0.5633243E+08  0.7875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=51
  0.4473288E+04  0.5505585E+08  0.8125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=52
  0.4509780E+04  0.5384812E+08  0.8375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=53
  0.4545371E+04  0.5269995E+08  0.8625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=54
  0.4580343E+04  0.5160950E+08  0.8875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=55
  0.4614855E+04  0.5057375E+08  0.9125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=56
  0.4648541E+04  0.4958443E+08  0.9375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=57
  0.4682032E+04  0.4864449E+08  0.9625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=58
  0.4714653E+04  0.4774332E+08  0.9875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=59
  0.4747181E+04  0.4688574E+08  0.1012500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=60
  0.4778947E+04  0.4606214E+08  0.1037500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=61
  0.4810567E+04  0.4527592E+08  0.1062500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=62
  0.4841677E+04  0.4452117E+08  0.1087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=63
  0.4872442E+04  0.4379723E+08  0.1112500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=64
  0.4903084E+04  0.4310404E+08  0.1137500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=65
  0.4933047E+04  0.4243481E+08  0.1162500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=66
  0.4962957E+04  0.4179332E+08  0.1187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=67
  0.4992609E+04  0.4117616E+08  0.1212500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=68
  0.5021768E+04  0.4057994E+08  0.1237500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=69
  0.5050875E+04  0.4000693E+08  0.1262500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=70
  0.5079802E+04  0.3945478E+08  0.1287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=71
  0.5108208E+04  0.3891968E+08  0.1312500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=72
  0.5136077E+04  0.3840058E+08  0.1337500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=73
  0.5158984E+04  0.3786410E+08  0.1362500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=74
  0.5180348E+04  0.3733584E+08  0.1387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=75
  0.5201227E+04  0.3682284E+08  0.1412500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=76
  0.5221765E+04  0.3632532E+08  0.1437500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=77
  0.5241912E+04  0.3584214E+08  0.1462500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=78
  0.5261248E+04  0.3536973E+08  0.1487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=79
  0.5335308E+04  0.3360824E+08  0.1587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=80
  0.5403789E+04  0.3202245E+08  0.1687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=81
  0.5467361E+04  0.3058664E+08  0.1787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=82
  0.5524535E+04  0.2926906E+08  0.1887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=83
  0.5574658E+04  0.2804859E+08  0.1987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=84
  0.5621009E+04  0.2692699E+08  0.2087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=85
  0.5663888E+04  0.2589206E+08  0.2187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=86
  0.5704284E+04  0.2493676E+08  0.2287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=87
  0.5741666E+04  0.2404886E+08  0.2387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=88
  0.5777193E+04  0.2322490E+08  0.2487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=89
  0.5810472E+04  0.2245593E+08  0.2587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=90
  0.5841916E+04  0.2173736E+08  0.2687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=91
  0.5872209E+04  0.2106622E+08  0.2787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=92
  0.5899814E+04  0.2043226E+08  0.2887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=93
  0.5925051E+04  0.1983281E+08  0.2987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=94
  0.5948445E+04  0.1926622E+08  0.3087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=95
  0.5969683E+04  0.1872842E+08  0.3187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=96
  0.5989828E+04  0.1822001E+08  0.3287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=97
  0.6009067E+04  0.1773894E+08  0.3387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=98
  0.6027248E+04  0.1728243E+08  0.3487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=99
  0.6043730E+04  0.1684664E+08  0.3587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=100
  0.6059468E+04  0.1643246E+08  0.3687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=101
  0.6074493E+04  0.1603827E+08  0.3787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=102
  0.6088833E+04  0.1566259E+08  0.3887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=103
  0.6101973E+04  0.1530275E+08  0.3987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=104
  0.6113871E+04  0.1495748E+08  0.4087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=105
  0.6124924E+04  0.1462668E+08  0.4187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=106
  0.6135459E+04  0.1431011E+08  0.4287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=107
  0.6145132E+04  0.1400600E+08  0.4387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=108
  0.6154269E+04  0.1371425E+08  0.4487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=109
  0.6162757E+04  0.1343380E+08  0.4587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=110
  0.6170054E+04  0.1316278E+08  0.4687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=111
  0.6176972E+04  0.1290229E+08  0.4787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=112
  0.6183558E+04  0.1265178E+08  0.4887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=113
  0.6189593E+04  0.1241021E+08  0.4987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=114
  0.6195185E+04  0.1217727E+08  0.5087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=115
  0.6200504E+04  0.1195278E+08  0.5187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=116
  0.6205552E+04  0.1173627E+08  0.5287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=117
  0.6210018E+04  0.1152672E+08  0.5387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=118
  0.6214220E+04  0.1132432E+08  0.5487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=119
  0.6232154E+04  0.1023762E+08  0.6087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=120
  0.6241625E+04  0.9333271E+07  0.6687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=121
  0.6243267E+04  0.8567090E+07  0.7287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=1, CurvPnt#=122
  120            0.1000000E+03  0.6892307E+04                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 7
  0.1413060E+03  0.1130448E+09  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=1
  0.2974736E+03  0.1189894E+09  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=2
  0.4536229E+03  0.1209661E+09  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=3
  0.6097446E+03  0.1219489E+09  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=4
  0.7658293E+03  0.1225327E+09  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=5
  0.9218677E+03  0.1229157E+09  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=6
  0.1077851E+04  0.1231829E+09  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=7
  0.1233769E+04  0.1233769E+09  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=8
  0.1389612E+04  0.1235211E+09  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=9
  0.1545372E+04  0.1236298E+09  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=10
  0.1701040E+04  0.1237120E+09  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=11
  0.1856605E+04  0.1237736E+09  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=12
  0.2012058E+04  0.1238189E+09  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=13
  0.2167390E+04  0.1238509E+09  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=14
  0.2322592E+04  0.1238716E+09  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=15
  0.2477654E+04  0.1238827E+09  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=16
  0.2632567E+04  0.1238855E+09  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=17
  0.2787314E+04  0.1238806E+09  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=18
  0.2941803E+04  0.1238654E+09  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=19
  0.3095910E+04  0.1238364E+09  0.2500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=20
  0.3249541E+04  0.1237920E+09  0.2625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=21
  0.3383137E+04  0.1230232E+09  0.2750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=22
  0.3488613E+04  0.1213431E+09  0.2875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=23
  0.3583237E+04  0.1194412E+09  0.3000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=24
  0.3649706E+04  0.1167906E+09  0.3125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=25
  0.3746327E+04  0.1152716E+09  0.3250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=26
  0.3816605E+04  0.1130846E+09  0.3375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=27
  0.3880571E+04  0.1108735E+09  0.3500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=28
  0.3941077E+04  0.1087194E+09  0.3625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=29
  0.4011708E+04  0.1069789E+09  0.3750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=30
  0.4059244E+04  0.1047547E+09  0.3875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=31
  0.4119397E+04  0.1029849E+09  0.4000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=32
  0.4157672E+04  0.1007921E+09  0.4125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=33
  0.4208466E+04  0.9902273E+08  0.4250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=34
  0.4208466E+04  0.9619351E+08  0.4375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=35
  0.4247253E+04  0.9438340E+08  0.4500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=36
  0.4289402E+04  0.9274383E+08  0.4625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=37
  0.4329788E+04  0.9115344E+08  0.4750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=38
  0.4368577E+04  0.8961183E+08  0.4875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=39
  0.4441851E+04  0.8667027E+08  0.5125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=40
  0.4510318E+04  0.8391289E+08  0.5375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=41
  0.4574287E+04  0.8132066E+08  0.5625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=42
  0.4634925E+04  0.7889234E+08  0.5875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=43
  0.4692050E+04  0.7660490E+08  0.6125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=44
  0.4746546E+04  0.7445562E+08  0.6375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=45
  0.4798679E+04  0.7243290E+08  0.6625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=46
  0.4848682E+04  0.7052628E+08  0.6875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=47
  0.4896767E+04  0.6872656E+08  0.7125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=48
  0.4943137E+04  0.6702558E+08  0.7375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=49
  0.4987978E+04  0.6541611E+08  0.7625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=50
  0.5031468E+04  0.6389166E+08  0.7875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=51
  0.5073772E+04  0.6244642E+08  0.8125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=52
  0.5114895E+04  0.6107337E+08  0.8375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=53
  0.5154838E+04  0.5976624E+08  0.8625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=54
  0.5194017E+04  0.5852414E+08  0.8875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=55
  0.5232519E+04  0.5734267E+08  0.9125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=56
  0.5269836E+04  0.5621159E+08  0.9375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=57
  0.5306680E+04  0.5513434E+08  0.9625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=58
  0.5342716E+04  0.5410346E+08  0.9875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=59
  0.5378106E+04  0.5311710E+08  0.1012500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=60
  0.5412974E+04  0.5217325E+08  0.1037500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=61
  0.5447147E+04  0.5126726E+08  0.1062500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=62
  0.5480911E+04  0.5039918E+08  0.1087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=63
  0.5514090E+04  0.4956485E+08  0.1112500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=64
  0.5546812E+04  0.4876318E+08  0.1137500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=65
  0.5579208E+04  0.4799319E+08  0.1162500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=66
  0.5610947E+04  0.4725008E+08  0.1187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=67
  0.5642617E+04  0.4653705E+08  0.1212500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=68
  0.5673571E+04  0.4584704E+08  0.1237500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=69
  0.5704317E+04  0.4518271E+08  0.1262500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=70
  0.5734929E+04  0.4454314E+08  0.1287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=71
  0.5764805E+04  0.4392233E+08  0.1312500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=72
  0.5794614E+04  0.4332422E+08  0.1337500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=73
  0.5824308E+04  0.4274722E+08  0.1362500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=74
  0.5853303E+04  0.4218597E+08  0.1387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=75
  0.5881905E+04  0.4164180E+08  0.1412500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=76
  0.5907367E+04  0.4109473E+08  0.1437500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=77
  0.5929853E+04  0.4054600E+08  0.1462500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=78
  0.5951615E+04  0.4001086E+08  0.1487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=79
  0.6033984E+04  0.3800935E+08  0.1587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=80
  0.6109345E+04  0.3620353E+08  0.1687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=81
  0.6178889E+04  0.3456721E+08  0.1787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=82
  0.6243606E+04  0.3307871E+08  0.1887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=83
  0.6303374E+04  0.3171509E+08  0.1987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=84
  0.6354634E+04  0.3044136E+08  0.2087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=85
  0.6401919E+04  0.2926592E+08  0.2187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=86
  0.6445670E+04  0.2817779E+08  0.2287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=87
  0.6486208E+04  0.2716736E+08  0.2387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=88
  0.6524291E+04  0.2622830E+08  0.2487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=89
  0.6559691E+04  0.2535146E+08  0.2587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=90
  0.6593053E+04  0.2453229E+08  0.2687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=91
  0.6624531E+04  0.2376513E+08  0.2787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=92
  0.6653770E+04  0.2304336E+08  0.2887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=93
  0.6681782E+04  0.2236580E+08  0.2987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=94
  0.6707951E+04  0.2172616E+08  0.3087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=95
  0.6731804E+04  0.2111938E+08  0.3187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=96
  0.6753441E+04  0.2054279E+08  0.3287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=97
  0.6773295E+04  0.1999497E+08  0.3387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=98
  0.6791099E+04  0.1947268E+08  0.3487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=99
  0.6807337E+04  0.1897516E+08  0.3587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=100
  0.6822530E+04  0.1850178E+08  0.3687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=101
  0.6836357E+04  0.1804979E+08  0.3787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=102
  0.6848585E+04  0.1761694E+08  0.3887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=103
  0.6859595E+04  0.1720275E+08  0.3987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=104
  0.6869975E+04  0.1680728E+08  0.4087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=105
  0.6879392E+04  0.1642840E+08  0.4187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=106
  0.6888099E+04  0.1606554E+08  0.4287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=107
  0.6896093E+04  0.1571759E+08  0.4387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=108
  0.6902758E+04  0.1538219E+08  0.4487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=109
  0.6909007E+04  0.1506051E+08  0.4587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=110
  0.6914818E+04  0.1475161E+08  0.4687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=111
  0.6919839E+04  0.1445397E+08  0.4787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=112
  0.6924517E+04  0.1416781E+08  0.4887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=113
  0.6928856E+04  0.1389244E+08  0.4987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=114
  0.6932556E+04  0.1362665E+08  0.5087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=115
  0.6935871E+04  0.1337035E+08  0.5187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=116
  0.6938783E+04  0.1312299E+08  0.5287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=117
  0.6941217E+04  0.1288393E+08  0.5387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=118
  0.6943067E+04  0.1265251E+08  0.5487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=119
  0.6948791E+04  0.1141485E+08  0.6087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=7, AxLd#=2, CurvPnt#=120
  121            0.0000000E+00  0.2381899E+04                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 8
  0.4326836E+02  0.3461469E+08  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=1
  0.9565387E+02  0.3826155E+08  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=2
  0.1480367E+03  0.3947645E+08  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=3
  0.2004154E+03  0.4008308E+08  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=4
  0.2527887E+03  0.4044618E+08  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=5
  0.3051551E+03  0.4068734E+08  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=6
  0.3575133E+03  0.4085866E+08  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=7
  0.4098619E+03  0.4098619E+08  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=8
  0.4621996E+03  0.4108441E+08  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=9
  0.5145250E+03  0.4116200E+08  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=10
  0.5668366E+03  0.4122448E+08  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=11
  0.6191331E+03  0.4127554E+08  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=12
  0.6714132E+03  0.4131773E+08  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=13
  0.7236754E+03  0.4135288E+08  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=14
  0.7759184E+03  0.4138231E+08  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=15
  0.8281373E+03  0.4140686E+08  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=16
  0.8803068E+03  0.4142620E+08  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=17
  0.9323990E+03  0.4143996E+08  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=18
  0.9843909E+03  0.4144804E+08  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=19
  0.1036264E+04  0.4145055E+08  0.2500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=20
  0.1076716E+04  0.4101774E+08  0.2625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=21
  0.1108388E+04  0.4030501E+08  0.2750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=22
  0.1142416E+04  0.3973623E+08  0.2875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=23
  0.1173706E+04  0.3912354E+08  0.3000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=24
  0.1208820E+04  0.3868224E+08  0.3125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=25
  0.1235255E+04  0.3800786E+08  0.3250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=26
  0.1259480E+04  0.3731793E+08  0.3375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=27
  0.1288490E+04  0.3681400E+08  0.3500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=28
  0.1308838E+04  0.3610587E+08  0.3625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=29
  0.1334611E+04  0.3558962E+08  0.3750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=30
  0.1358888E+04  0.3506807E+08  0.3875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=31
  0.1374340E+04  0.3435851E+08  0.4000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=32
  0.1395598E+04  0.3383269E+08  0.4125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=33
  0.1415624E+04  0.3330880E+08  0.4250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=34
  0.1434474E+04  0.3278798E+08  0.4375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=35
  0.1434474E+04  0.3187720E+08  0.4500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=36
  0.1442327E+04  0.3118544E+08  0.4625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=37
  0.1459350E+04  0.3072316E+08  0.4750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=38
  0.1475837E+04  0.3027357E+08  0.4875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=39
  0.1506766E+04  0.2940032E+08  0.5125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=40
  0.1535760E+04  0.2857227E+08  0.5375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=41
  0.1562964E+04  0.2778603E+08  0.5625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=42
  0.1588523E+04  0.2703869E+08  0.5875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=43
  0.1612575E+04  0.2632775E+08  0.6125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=44
  0.1635254E+04  0.2565105E+08  0.6375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=45
  0.1656692E+04  0.2500667E+08  0.6625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=46
  0.1677013E+04  0.2439291E+08  0.6875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=47
  0.1696339E+04  0.2380827E+08  0.7125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=48
  0.1714788E+04  0.2325136E+08  0.7375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=49
  0.1732473E+04  0.2272095E+08  0.7625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=50
  0.1749251E+04  0.2221272E+08  0.7875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=51
  0.1765258E+04  0.2172625E+08  0.8125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=52
  0.1780760E+04  0.2126280E+08  0.8375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=53
  0.1795496E+04  0.2081735E+08  0.8625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=54
  0.1809662E+04  0.2039055E+08  0.8875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=55
  0.1823426E+04  0.1998275E+08  0.9125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=56
  0.1836462E+04  0.1958893E+08  0.9375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=57
  0.1849328E+04  0.1921380E+08  0.9625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=58
  0.1861426E+04  0.1884989E+08  0.9875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=59
  0.1873447E+04  0.1850318E+08  0.1012500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=60
  0.1884748E+04  0.1816624E+08  0.1037500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=61
  0.1895939E+04  0.1784413E+08  0.1062500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=62
  0.1906599E+04  0.1753195E+08  0.1087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=63
  0.1917001E+04  0.1723147E+08  0.1112500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=64
  0.1927173E+04  0.1694218E+08  0.1137500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=65
  0.1936827E+04  0.1666088E+08  0.1162500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=66
  0.1946448E+04  0.1639114E+08  0.1187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=67
  0.1955603E+04  0.1612868E+08  0.1212500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=68
  0.1964518E+04  0.1587489E+08  0.1237500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=69
  0.1973400E+04  0.1563089E+08  0.1262500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=70
  0.1981752E+04  0.1539225E+08  0.1287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=71
  0.1989969E+04  0.1516167E+08  0.1312500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=72
  0.1998155E+04  0.1493948E+08  0.1337500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=73
  0.2005909E+04  0.1472226E+08  0.1362500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=74
  0.2013469E+04  0.1451148E+08  0.1387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=75
  0.2020993E+04  0.1430792E+08  0.1412500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=76
  0.2028344E+04  0.1411022E+08  0.1437500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=77
  0.2035292E+04  0.1391653E+08  0.1462500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=78
  0.2042212E+04  0.1372916E+08  0.1487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=79
  0.2068352E+04  0.1302899E+08  0.1587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=80
  0.2092271E+04  0.1239865E+08  0.1687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=81
  0.2114267E+04  0.1182807E+08  0.1787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=82
  0.2134667E+04  0.1130950E+08  0.1887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=83
  0.2153384E+04  0.1083464E+08  0.1987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=84
  0.2170659E+04  0.1039837E+08  0.2087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=85
  0.2187040E+04  0.9997896E+07  0.2187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=86
  0.2201937E+04  0.9625955E+07  0.2287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=87
  0.2216132E+04  0.9282230E+07  0.2387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=88
  0.2229195E+04  0.8961588E+07  0.2487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=89
  0.2241693E+04  0.8663549E+07  0.2587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=90
  0.2253077E+04  0.8383542E+07  0.2687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=91
  0.2264188E+04  0.8122647E+07  0.2787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=92
  0.2274175E+04  0.7875932E+07  0.2887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=93
  0.2283772E+04  0.7644423E+07  0.2987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=94
  0.2293032E+04  0.7426825E+07  0.3087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=95
  0.2301249E+04  0.7219606E+07  0.3187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=96
  0.2309227E+04  0.7024264E+07  0.3287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=97
  0.2316962E+04  0.6839740E+07  0.3387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=98
  0.2323841E+04  0.6663342E+07  0.3487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=99
  0.2330356E+04  0.6495766E+07  0.3587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=100
  0.2336643E+04  0.6336658E+07  0.3687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=101
  0.2342697E+04  0.6185338E+07  0.3787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=102
  0.2347943E+04  0.6039724E+07  0.3887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=103
  0.2352756E+04  0.5900329E+07  0.3987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=104
  0.2357334E+04  0.5767179E+07  0.4087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=105
  0.2361598E+04  0.5639638E+07  0.4187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=106
  0.2365660E+04  0.5517574E+07  0.4287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=107
  0.2368987E+04  0.5399401E+07  0.4387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=108
  0.2372133E+04  0.5286091E+07  0.4487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=109
  0.2375015E+04  0.5177144E+07  0.4587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=110
  0.2377743E+04  0.5072519E+07  0.4687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=111
  0.2380308E+04  0.4971924E+07  0.4787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=112
  0.2382645E+04  0.4874977E+07  0.4887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=113
  0.2384781E+04  0.4781516E+07  0.4987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=114
  0.2386519E+04  0.4690946E+07  0.5087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=115
  0.2388087E+04  0.4603540E+07  0.5187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=116
  0.2389568E+04  0.4519277E+07  0.5287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=117
  0.2390939E+04  0.4437938E+07  0.5387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=118
  0.2392122E+04  0.4359219E+07  0.5487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=119
  0.2396948E+04  0.3937491E+07  0.6087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=120
  0.2397836E+04  0.3585549E+07  0.6687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=1, CurvPnt#=121
  119            0.1000000E+03  0.2867135E+04                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 8
  0.4172562E+02  0.3338050E+08  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=1
  0.9255861E+02  0.3702344E+08  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=2
  0.1433888E+03  0.3823702E+08  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=3
  0.1942148E+03  0.3884297E+08  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=4
  0.2450353E+03  0.3920564E+08  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=5
  0.2958487E+03  0.3944649E+08  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=6
  0.3466537E+03  0.3961756E+08  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=7
  0.3974488E+03  0.3974488E+08  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=8
  0.4482327E+03  0.3984291E+08  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=9
  0.4990039E+03  0.3992031E+08  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=10
  0.5497611E+03  0.3998262E+08  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=11
  0.6005027E+03  0.4003351E+08  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=12
  0.6512274E+03  0.4007553E+08  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=13
  0.7019338E+03  0.4011051E+08  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=14
  0.7526205E+03  0.4013976E+08  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=15
  0.8032860E+03  0.4016430E+08  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=16
  0.8539289E+03  0.4018489E+08  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=17
  0.9045479E+03  0.4020213E+08  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=18
  0.9551414E+03  0.4021648E+08  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=19
  0.1005708E+04  0.4022832E+08  0.2500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=20
  0.1056246E+04  0.4023793E+08  0.2625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=21
  0.1106740E+04  0.4024508E+08  0.2750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=22
  0.1157167E+04  0.4024929E+08  0.2875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=23
  0.1207509E+04  0.4025030E+08  0.3000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=24
  0.1257749E+04  0.4024795E+08  0.3125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=25
  0.1302540E+04  0.4007815E+08  0.3250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=26
  0.1340022E+04  0.3970437E+08  0.3375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=27
  0.1375046E+04  0.3928704E+08  0.3500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=28
  0.1413573E+04  0.3899512E+08  0.3625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=29
  0.1444197E+04  0.3851192E+08  0.3750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=30
  0.1478997E+04  0.3816767E+08  0.3875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=31
  0.1505738E+04  0.3764346E+08  0.4000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=32
  0.1537100E+04  0.3726304E+08  0.4125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=33
  0.1567018E+04  0.3687101E+08  0.4250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=34
  0.1588851E+04  0.3631659E+08  0.4375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=35
  0.1615813E+04  0.3590695E+08  0.4500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=36
  0.1641571E+04  0.3549343E+08  0.4625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=37
  0.1666279E+04  0.3507957E+08  0.4750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=38
  0.1689779E+04  0.3466213E+08  0.4875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=39
  0.1733387E+04  0.3382219E+08  0.5125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=40
  0.1755421E+04  0.3265899E+08  0.5375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=41
  0.1795141E+04  0.3191363E+08  0.5625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=42
  0.1832359E+04  0.3118909E+08  0.5875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=43
  0.1867435E+04  0.3048873E+08  0.6125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=44
  0.1900527E+04  0.2981219E+08  0.6375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=45
  0.1931791E+04  0.2915911E+08  0.6625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=46
  0.1961376E+04  0.2852910E+08  0.6875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=47
  0.1989426E+04  0.2792177E+08  0.7125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=48
  0.2016083E+04  0.2733672E+08  0.7375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=49
  0.2041483E+04  0.2677355E+08  0.7625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=50
  0.2065758E+04  0.2623185E+08  0.7875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=51
  0.2089035E+04  0.2571120E+08  0.8125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=52
  0.2111148E+04  0.2520774E+08  0.8375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=53
  0.2132287E+04  0.2472217E+08  0.8625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=54
  0.2152716E+04  0.2425596E+08  0.8875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=55
  0.2172310E+04  0.2380614E+08  0.9125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=56
  0.2191002E+04  0.2337069E+08  0.9375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=57
  0.2209303E+04  0.2295379E+08  0.9625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=58
  0.2226591E+04  0.2254776E+08  0.9875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=59
  0.2243506E+04  0.2215808E+08  0.1012500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=60
  0.2259689E+04  0.2178013E+08  0.1037500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=61
  0.2275405E+04  0.2141558E+08  0.1062500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=62
  0.2290521E+04  0.2106226E+08  0.1087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=63
  0.2305227E+04  0.2072115E+08  0.1112500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=64
  0.2319327E+04  0.2038969E+08  0.1137500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=65
  0.2333203E+04  0.2007057E+08  0.1162500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=66
  0.2346337E+04  0.1975862E+08  0.1187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=67
  0.2359417E+04  0.1945911E+08  0.1212500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=68
  0.2371768E+04  0.1916580E+08  0.1237500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=69
  0.2383932E+04  0.1888263E+08  0.1262500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=70
  0.2395839E+04  0.1860846E+08  0.1287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=71
  0.2407157E+04  0.1834025E+08  0.1312500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=72
  0.2418428E+04  0.1808170E+08  0.1337500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=73
  0.2429297E+04  0.1782970E+08  0.1362500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=74
  0.2439775E+04  0.1758397E+08  0.1387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=75
  0.2450207E+04  0.1734660E+08  0.1412500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=76
  0.2460258E+04  0.1711484E+08  0.1437500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=77
  0.2469919E+04  0.1688833E+08  0.1462500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=78
  0.2479535E+04  0.1666915E+08  0.1487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=79
  0.2515505E+04  0.1584570E+08  0.1587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=80
  0.2548118E+04  0.1509996E+08  0.1687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=81
  0.2577790E+04  0.1442120E+08  0.1787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=82
  0.2604915E+04  0.1380087E+08  0.1887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=83
  0.2629866E+04  0.1323203E+08  0.1987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=84
  0.2652993E+04  0.1270895E+08  0.2087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=85
  0.2674340E+04  0.1222555E+08  0.2187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=86
  0.2693791E+04  0.1177614E+08  0.2287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=87
  0.2712201E+04  0.1136001E+08  0.2387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=88
  0.2728850E+04  0.1097025E+08  0.2487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=89
  0.2744637E+04  0.1060729E+08  0.2587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=90
  0.2758954E+04  0.1026588E+08  0.2687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=91
  0.2772666E+04  0.9946785E+07  0.2787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=92
  0.2784833E+04  0.9644442E+07  0.2887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=93
  0.2796528E+04  0.9360762E+07  0.2987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=94
  0.2807146E+04  0.9091972E+07  0.3087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=95
  0.2816812E+04  0.8837057E+07  0.3187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=96
  0.2825840E+04  0.8595710E+07  0.3287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=97
  0.2833698E+04  0.8365160E+07  0.3387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=98
  0.2840703E+04  0.8145384E+07  0.3487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=99
  0.2847250E+04  0.7936585E+07  0.3587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=100
  0.2853263E+04  0.7737662E+07  0.3687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=101
  0.2858268E+04  0.7546583E+07  0.3787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=102
  0.2862844E+04  0.7364228E+07  0.3887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=103
  0.2867016E+04  0.7190009E+07  0.3987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=104
  0.2870896E+04  0.7023599E+07  0.4087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=105
  0.2874294E+04  0.6863987E+07  0.4187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=106
  0.2877054E+04  0.6710330E+07  0.4287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=107
  0.2879503E+04  0.6562969E+07  0.4387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=108
  0.2881713E+04  0.6421645E+07  0.4487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=109
  0.2883699E+04  0.6285992E+07  0.4587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=110
  0.2885395E+04  0.6155509E+07  0.4687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=111
  0.2886942E+04  0.6030166E+07  0.4787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=112
  0.2887965E+04  0.5908880E+07  0.4887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=113
  0.2888742E+04  0.5791964E+07  0.4987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=114
  0.2889399E+04  0.5679408E+07  0.5087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=115
  0.2889795E+04  0.5570689E+07  0.5187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=116
  0.2890060E+04  0.5465835E+07  0.5287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=117
  0.2890218E+04  0.5364675E+07  0.5387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=118
  0.2890218E+04  0.5266913E+07  0.5487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=8, AxLd#=2, CurvPnt#=119
  111            0.0000000E+00  0.6830608E+04                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 9
  0.1186041E+03  0.9488325E+08  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=1
  0.2324465E+03  0.9297861E+08  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=2
  0.3462800E+03  0.9234134E+08  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=3
  0.4601003E+03  0.9202006E+08  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=4
  0.5739031E+03  0.9182449E+08  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=5
  0.6876840E+03  0.9169120E+08  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=6
  0.8014387E+03  0.9159300E+08  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=7
  0.9151631E+03  0.9151631E+08  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=8
  0.1028839E+04  0.9145232E+08  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=9
  0.1142361E+04  0.9138888E+08  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=10
  0.1255623E+04  0.9131803E+08  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=11
  0.1368550E+04  0.9123669E+08  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=12
  0.1451498E+04  0.8932297E+08  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=13
  0.1512967E+04  0.8645524E+08  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=14
  0.1573573E+04  0.8392391E+08  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=15
  0.1624612E+04  0.8123059E+08  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=16
  0.1667765E+04  0.7848308E+08  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=17
  0.1704255E+04  0.7574467E+08  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=18
  0.1744990E+04  0.7347325E+08  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=19
  0.1779825E+04  0.7119300E+08  0.2500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=20
  0.1779825E+04  0.6780286E+08  0.2625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=21
  0.1782583E+04  0.6482119E+08  0.2750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=22
  0.1816980E+04  0.6319930E+08  0.2875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=23
  0.1850162E+04  0.6167208E+08  0.3000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=24
  0.1882263E+04  0.6023240E+08  0.3125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=25
  0.1913402E+04  0.5887392E+08  0.3250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=26
  0.1943694E+04  0.5759093E+08  0.3375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=27
  0.1973241E+04  0.5637832E+08  0.3500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=28
  0.2002139E+04  0.5523142E+08  0.3625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=29
  0.2030477E+04  0.5414605E+08  0.3750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=30
  0.2058336E+04  0.5311834E+08  0.3875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=31
  0.2085739E+04  0.5214349E+08  0.4000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=32
  0.2112593E+04  0.5121437E+08  0.4125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=33
  0.2139155E+04  0.5033307E+08  0.4250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=34
  0.2165371E+04  0.4949420E+08  0.4375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=35
  0.2191227E+04  0.4869393E+08  0.4500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=36
  0.2216949E+04  0.4793404E+08  0.4625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=37
  0.2242266E+04  0.4720561E+08  0.4750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=38
  0.2267539E+04  0.4651362E+08  0.4875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=39
  0.2317299E+04  0.4521558E+08  0.5125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=40
  0.2366297E+04  0.4402414E+08  0.5375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=41
  0.2414609E+04  0.4292638E+08  0.5625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=42
  0.2462349E+04  0.4191232E+08  0.5875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=43
  0.2509616E+04  0.4097331E+08  0.6125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=44
  0.2556193E+04  0.4009715E+08  0.6375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=45
  0.2602468E+04  0.3928254E+08  0.6625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=46
  0.2648283E+04  0.3852048E+08  0.6875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=47
  0.2693752E+04  0.3780705E+08  0.7125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=48
  0.2738873E+04  0.3713726E+08  0.7375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=49
  0.2783718E+04  0.3650778E+08  0.7625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=50
  0.2828198E+04  0.3591363E+08  0.7875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=51
  0.2872578E+04  0.3535480E+08  0.8125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=52
  0.2916473E+04  0.3482356E+08  0.8375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=53
  0.2960264E+04  0.3432190E+08  0.8625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=54
  0.3003891E+04  0.3384666E+08  0.8875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=55
  0.3047142E+04  0.3339334E+08  0.9125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=56
  0.3090294E+04  0.3296314E+08  0.9375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=57
  0.3133348E+04  0.3255427E+08  0.9625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=58
  0.3176038E+04  0.3216241E+08  0.9875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=59
  0.3218600E+04  0.3178864E+08  0.1012500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=60
  0.3261064E+04  0.3143194E+08  0.1037500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=61
  0.3303428E+04  0.3109109E+08  0.1062500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=62
  0.3345455E+04  0.3076281E+08  0.1087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=63
  0.3387374E+04  0.3044830E+08  0.1112500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=64
  0.3429194E+04  0.3014676E+08  0.1137500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=65
  0.3470916E+04  0.2985734E+08  0.1162500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=66
  0.3512510E+04  0.2957903E+08  0.1187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=67
  0.3553827E+04  0.2930992E+08  0.1212500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=68
  0.3595047E+04  0.2905088E+08  0.1237500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=69
  0.3636167E+04  0.2880132E+08  0.1262500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=70
  0.3677188E+04  0.2856068E+08  0.1287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=71
  0.3718109E+04  0.2832845E+08  0.1312500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=72
  0.3758920E+04  0.2810408E+08  0.1337500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=73
  0.3799477E+04  0.2788607E+08  0.1362500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=74
  0.3839935E+04  0.2767521E+08  0.1387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=75
  0.3880292E+04  0.2747109E+08  0.1412500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=76
  0.3920548E+04  0.2727338E+08  0.1437500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=77
  0.3960703E+04  0.2708173E+08  0.1462500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=78
  0.4000755E+04  0.2689583E+08  0.1487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=79
  0.4159687E+04  0.2620275E+08  0.1587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=80
  0.4316719E+04  0.2558056E+08  0.1687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=81
  0.4472043E+04  0.2501842E+08  0.1787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=82
  0.4625422E+04  0.2450555E+08  0.1887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=83
  0.4776912E+04  0.2403478E+08  0.1987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=84
  0.4926565E+04  0.2360031E+08  0.2087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=85
  0.5074321E+04  0.2319690E+08  0.2187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=86
  0.5220116E+04  0.2282018E+08  0.2287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=87
  0.5363816E+04  0.2246624E+08  0.2387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=88
  0.5505395E+04  0.2213224E+08  0.2487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=89
  0.5644817E+04  0.2181572E+08  0.2587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=90
  0.5781997E+04  0.2151441E+08  0.2687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=91
  0.5916842E+04  0.2122634E+08  0.2787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=92
  0.6049252E+04  0.2094979E+08  0.2887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=93
  0.6178887E+04  0.2068247E+08  0.2987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=94
  0.6305132E+04  0.2042148E+08  0.3087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=95
  0.6428135E+04  0.2016670E+08  0.3187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=96
  0.6547544E+04  0.1991648E+08  0.3287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=97
  0.6656680E+04  0.1965072E+08  0.3387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=98
  0.6748246E+04  0.1934981E+08  0.3487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=99
  0.6826510E+04  0.1902860E+08  0.3587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=100
  0.6900810E+04  0.1871406E+08  0.3687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=101
  0.6973415E+04  0.1841166E+08  0.3787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=102
  0.7044133E+04  0.1811996E+08  0.3887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=103
  0.7113223E+04  0.1783880E+08  0.3987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=104
  0.7177764E+04  0.1756028E+08  0.4087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=105
  0.7230703E+04  0.1726735E+08  0.4187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=106
  0.7269080E+04  0.1695412E+08  0.4287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=107
  0.7293322E+04  0.1662296E+08  0.4387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=108
  0.7309179E+04  0.1628786E+08  0.4487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=109
  0.7322459E+04  0.1596176E+08  0.4587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=110
  0.7335314E+04  0.1564867E+08  0.4687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=1, CurvPnt#=111
  107            0.1000000E+03  0.6982311E+04                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 9
  0.1160475E+03  0.9283801E+08  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=1
  0.2274974E+03  0.9099896E+08  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=2
  0.3389381E+03  0.9038351E+08  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=3
  0.4503654E+03  0.9007308E+08  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=4
  0.5617747E+03  0.8988396E+08  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=5
  0.6731618E+03  0.8975490E+08  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=6
  0.7845221E+03  0.8965967E+08  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=7
  0.8958514E+03  0.8958514E+08  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=8
  0.1007145E+04  0.8952402E+08  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=9
  0.1118399E+04  0.8947193E+08  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=10
  0.1229609E+04  0.8942609E+08  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=11
  0.1340768E+04  0.8938454E+08  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=12
  0.1451824E+04  0.8934304E+08  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=13
  0.1562687E+04  0.8929640E+08  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=14
  0.1673284E+04  0.8924181E+08  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=15
  0.1774469E+04  0.8872343E+08  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=16
  0.1851067E+04  0.8710905E+08  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=17
  0.1918723E+04  0.8527659E+08  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=18
  0.1989173E+04  0.8375467E+08  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=19
  0.2041409E+04  0.8165637E+08  0.2500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=20
  0.2098541E+04  0.7994441E+08  0.2625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=21
  0.2150852E+04  0.7821281E+08  0.2750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=22
  0.2198629E+04  0.7647404E+08  0.2875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=23
  0.2240620E+04  0.7468735E+08  0.3000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=24
  0.2240620E+04  0.7169985E+08  0.3125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=25
  0.2270451E+04  0.6986003E+08  0.3250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=26
  0.2310738E+04  0.6846631E+08  0.3375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=27
  0.2349305E+04  0.6712300E+08  0.3500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=28
  0.2386467E+04  0.6583357E+08  0.3625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=29
  0.2422379E+04  0.6459678E+08  0.3750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=30
  0.2457182E+04  0.6341115E+08  0.3875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=31
  0.2490999E+04  0.6227498E+08  0.4000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=32
  0.2523776E+04  0.6118245E+08  0.4125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=33
  0.2555755E+04  0.6013542E+08  0.4250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=34
  0.2587041E+04  0.5913237E+08  0.4375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=35
  0.2617729E+04  0.5817176E+08  0.4500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=36
  0.2647705E+04  0.5724768E+08  0.4625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=37
  0.2677076E+04  0.5635951E+08  0.4750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=38
  0.2706070E+04  0.5550912E+08  0.4875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=39
  0.2762430E+04  0.5390107E+08  0.5125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=40
  0.2817194E+04  0.5241291E+08  0.5375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=41
  0.2870553E+04  0.5103206E+08  0.5625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=42
  0.2922685E+04  0.4974783E+08  0.5875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=43
  0.2973756E+04  0.4855112E+08  0.6125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=44
  0.3023931E+04  0.4743422E+08  0.6375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=45
  0.3073203E+04  0.4638797E+08  0.6625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=46
  0.3121824E+04  0.4540835E+08  0.6875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=47
  0.3169948E+04  0.4449050E+08  0.7125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=48
  0.3217454E+04  0.4362649E+08  0.7375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=49
  0.3264423E+04  0.4281211E+08  0.7625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=50
  0.3311038E+04  0.4204493E+08  0.7875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=51
  0.3356979E+04  0.4131666E+08  0.8125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=52
  0.3402696E+04  0.4062920E+08  0.8375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=53
  0.3447791E+04  0.3997439E+08  0.8625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=54
  0.3492671E+04  0.3935404E+08  0.8875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=55
  0.3537111E+04  0.3876286E+08  0.9125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=56
  0.3581213E+04  0.3819961E+08  0.9375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=57
  0.3625171E+04  0.3766411E+08  0.9625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=58
  0.3668551E+04  0.3714989E+08  0.9875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=59
  0.3711814E+04  0.3665989E+08  0.1012500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=60
  0.3754893E+04  0.3619174E+08  0.1037500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=61
  0.3797489E+04  0.3574107E+08  0.1062500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=62
  0.3839968E+04  0.3531005E+08  0.1087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=63
  0.3882327E+04  0.3489732E+08  0.1112500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=64
  0.3924266E+04  0.3449905E+08  0.1137500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=65
  0.3966014E+04  0.3411625E+08  0.1162500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=66
  0.4007643E+04  0.3374857E+08  0.1187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=67
  0.4049153E+04  0.3339507E+08  0.1212500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=68
  0.4090256E+04  0.3305258E+08  0.1237500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=69
  0.4131205E+04  0.3272242E+08  0.1262500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=70
  0.4172035E+04  0.3240416E+08  0.1287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=71
  0.4212745E+04  0.3209711E+08  0.1312500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=72
  0.4253273E+04  0.3180017E+08  0.1337500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=73
  0.4293470E+04  0.3151170E+08  0.1362500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=74
  0.4333548E+04  0.3123277E+08  0.1387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=75
  0.4373505E+04  0.3096287E+08  0.1412500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=76
  0.4413342E+04  0.3070151E+08  0.1437500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=77
  0.4453056E+04  0.3044825E+08  0.1462500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=78
  0.4492523E+04  0.3020184E+08  0.1487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=79
  0.4648781E+04  0.2928366E+08  0.1587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=80
  0.4802801E+04  0.2846104E+08  0.1687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=81
  0.4954359E+04  0.2771670E+08  0.1787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=82
  0.5103846E+04  0.2704025E+08  0.1887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=83
  0.5250724E+04  0.2641874E+08  0.1987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=84
  0.5395435E+04  0.2584640E+08  0.2087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=85
  0.5537902E+04  0.2531612E+08  0.2187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=86
  0.5677896E+04  0.2482140E+08  0.2287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=87
  0.5815385E+04  0.2435764E+08  0.2387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=88
  0.5950407E+04  0.2392123E+08  0.2487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=89
  0.6082858E+04  0.2350863E+08  0.2587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=90
  0.6212627E+04  0.2311675E+08  0.2687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=91
  0.6339154E+04  0.2274136E+08  0.2787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=92
  0.6461986E+04  0.2237917E+08  0.2887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=93
  0.6581294E+04  0.2202944E+08  0.2987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=94
  0.6697232E+04  0.2169144E+08  0.3087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=95
  0.6809974E+04  0.2136462E+08  0.3187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=96
  0.6919668E+04  0.2104842E+08  0.3287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=97
  0.7026454E+04  0.2074230E+08  0.3387500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=98
  0.7128861E+04  0.2044118E+08  0.3487500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=99
  0.7218945E+04  0.2012250E+08  0.3587500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=100
  0.7294173E+04  0.1978081E+08  0.3687500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=101
  0.7360122E+04  0.1943267E+08  0.3787500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=102
  0.7423098E+04  0.1909479E+08  0.3887500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=103
  0.7484370E+04  0.1876958E+08  0.3987500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=104
  0.7544073E+04  0.1845645E+08  0.4087500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=105
  0.7602430E+04  0.1815506E+08  0.4187500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=106
  0.7659026E+04  0.1786362E+08  0.4287500E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=9, AxLd#=2, CurvPnt#=107
  150            0.0000000E+00  0.0000000E+00                                                           Line 4a : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kip) for elastic-plastic EI at top of section
  0.8000000E+02  0.5862960E+08  0.1364498E-05                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=1
  0.1600000E+03  0.5862960E+08  0.2728997E-05                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=2
  0.2400000E+03  0.5862960E+08  0.4093495E-05                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=3
  0.3200000E+03  0.5862960E+08  0.5457994E-05                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=4
  0.4000000E+03  0.5862960E+08  0.6822492E-05                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=5
  0.4800000E+03  0.5862960E+08  0.8186991E-05                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=6
  0.5600000E+03  0.5862960E+08  0.9551489E-05                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=7
  0.6400000E+03  0.5862960E+08  0.1091599E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=8
  0.7200000E+03  0.5862960E+08  0.1228049E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=9
  0.8000000E+03  0.5862960E+08  0.1364498E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=10
  0.8800000E+03  0.5862960E+08  0.1500948E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=11
  0.9600000E+03  0.5862960E+08  0.1637398E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=12
  0.1040000E+04  0.5862960E+08  0.1773848E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=13
  0.1120000E+04  0.5862960E+08  0.1910298E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=14
  0.1200000E+04  0.5862960E+08  0.2046748E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=15
  0.1280000E+04  0.5862960E+08  0.2183198E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=16
  0.1360000E+04  0.5862960E+08  0.2319647E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=17
  0.1440000E+04  0.5862960E+08  0.2456097E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=18
  0.1520000E+04  0.5862960E+08  0.2592547E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=19
  0.1600000E+04  0.5862960E+08  0.2728997E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=20
  0.1680000E+04  0.5862960E+08  0.2865447E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=21
  0.1760000E+04  0.5862960E+08  0.3001897E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=22
  0.1840000E+04  0.5862960E+08  0.3138347E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=23
  0.1920000E+04  0.5862960E+08  0.3274796E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=24
  0.2000000E+04  0.5862960E+08  0.3411246E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=25
  0.2080000E+04  0.5862960E+08  0.3547696E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=26
  0.2160000E+04  0.5862960E+08  0.3684146E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=27
  0.2240000E+04  0.5862960E+08  0.3820596E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=28
  0.2320000E+04  0.5862960E+08  0.3957046E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=29
  0.2400000E+04  0.5862960E+08  0.4093495E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=30
  0.2480000E+04  0.5862960E+08  0.4229945E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=31
  0.2560000E+04  0.5862960E+08  0.4366395E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=32
  0.2640000E+04  0.5862960E+08  0.4502845E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=33
  0.2720000E+04  0.5862960E+08  0.4639295E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=34
  0.2800000E+04  0.5862960E+08  0.4775745E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=35
  0.2880000E+04  0.5862960E+08  0.4912195E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=36
  0.2960000E+04  0.5862960E+08  0.5048644E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=37
  0.3040000E+04  0.5862960E+08  0.5185094E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=38
  0.3120000E+04  0.5862960E+08  0.5321544E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=39
  0.3200000E+04  0.5862960E+08  0.5457994E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=40
  0.3280000E+04  0.5862960E+08  0.5594444E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=41
  0.3360000E+04  0.5862960E+08  0.5730894E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=42
  0.3440000E+04  0.5862960E+08  0.5867343E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=43
  0.3520000E+04  0.5862960E+08  0.6003793E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=44
  0.3600000E+04  0.5862960E+08  0.6140243E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=45
  0.3680000E+04  0.5862960E+08  0.6276693E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=46
  0.3760000E+04  0.5862960E+08  0.6413143E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=47
  0.3840000E+04  0.5862960E+08  0.6549593E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=48
  0.3920000E+04  0.5862960E+08  0.6686043E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=49
  0.4000000E+04  0.5862960E+08  0.6822492E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=50
  0.4080000E+04  0.5862960E+08  0.6958942E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=51
  0.4160000E+04  0.5862960E+08  0.7095392E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=52
  0.4240000E+04  0.5862960E+08  0.7231842E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=53
  0.4320000E+04  0.5862960E+08  0.7368292E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=54
  0.4400000E+04  0.5862960E+08  0.7504742E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=55
  0.4480000E+04  0.5862960E+08  0.7641191E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=56
  0.4560000E+04  0.5862960E+08  0.7777641E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=57
  0.4640000E+04  0.5862960E+08  0.7914091E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=58
  0.4720000E+04  0.5862960E+08  0.8050541E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=59
  0.4800000E+04  0.5862960E+08  0.8186991E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=60
  0.4880000E+04  0.5862960E+08  0.8323441E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=61
  0.4960000E+04  0.5862960E+08  0.8459891E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=62
  0.5040000E+04  0.5862960E+08  0.8596340E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=63
  0.5120000E+04  0.5862960E+08  0.8732790E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=64
  0.5200000E+04  0.5862960E+08  0.8869240E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=65
  0.5280000E+04  0.5862960E+08  0.9005690E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=66
  0.5360000E+04  0.5862960E+08  0.9142140E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=67
  0.5440000E+04  0.5862960E+08  0.9278590E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=68
  0.5520000E+04  0.5862960E+08  0.9415040E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=69
  0.5600000E+04  0.5862960E+08  0.9551489E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=70
  0.5680000E+04  0.5862960E+08  0.9687939E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=71
  0.5760000E+04  0.5862960E+08  0.9824389E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=72
  0.5840000E+04  0.5862960E+08  0.9960839E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=73
  0.5920000E+04  0.5862960E+08  0.1009729E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=74
  0.6000000E+04  0.5862960E+08  0.1023374E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=75
  0.6080000E+04  0.5862960E+08  0.1037019E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=76
  0.6160000E+04  0.5862960E+08  0.1050664E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=77
  0.6240000E+04  0.5862960E+08  0.1064309E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=78
  0.6320000E+04  0.5862960E+08  0.1077954E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=79
  0.6400000E+04  0.5862960E+08  0.1091599E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=80
  0.6480000E+04  0.5862960E+08  0.1105244E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=81
  0.6560000E+04  0.5862960E+08  0.1118889E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=82
  0.6640000E+04  0.5862960E+08  0.1132534E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=83
  0.6720000E+04  0.5862960E+08  0.1146179E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=84
  0.6800000E+04  0.5862960E+08  0.1159824E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=85
  0.6880000E+04  0.5862960E+08  0.1173469E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=86
  0.6960000E+04  0.5862960E+08  0.1187114E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=87
  0.7040000E+04  0.5862960E+08  0.1200759E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=88
  0.7120000E+04  0.5862960E+08  0.1214404E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=89
  0.7200000E+04  0.5862960E+08  0.1228049E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=90
  0.7280000E+04  0.5862960E+08  0.1241694E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=91
  0.7360000E+04  0.5862960E+08  0.1255339E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=92
  0.7440000E+04  0.5862960E+08  0.1268984E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=93
  0.7520000E+04  0.5862960E+08  0.1282629E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=94
  0.7600000E+04  0.5862960E+08  0.1296274E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=95
  0.7680000E+04  0.5862960E+08  0.1309919E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=96
  0.7760000E+04  0.5862960E+08  0.1323564E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=97
  0.7840000E+04  0.5862960E+08  0.1337209E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=98
  0.7920000E+04  0.5862960E+08  0.1350853E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=99
  0.8000000E+04  0.5862960E+08  0.1364498E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=100
  0.8000000E+04  0.4885800E+08  0.1637398E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=101
  0.8000000E+04  0.4187829E+08  0.1910298E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=102
  0.8000000E+04  0.3664350E+08  0.2183198E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=103
  0.8000001E+04  0.3257200E+08  0.2456097E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=104
  0.8000001E+04  0.2931480E+08  0.2728997E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=105
  0.8000001E+04  0.2664982E+08  0.3001897E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=106
  0.8000001E+04  0.2442900E+08  0.3274796E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=107
  0.8000001E+04  0.2254985E+08  0.3547696E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=108
  0.8000001E+04  0.2093915E+08  0.3820596E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=109
  0.8000002E+04  0.1954320E+08  0.4093495E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=110
  0.8000002E+04  0.1832175E+08  0.4366395E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=111
  0.8000002E+04  0.1724400E+08  0.4639295E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=112
  0.8000002E+04  0.1628600E+08  0.4912195E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=113
  0.8000002E+04  0.1542885E+08  0.5185094E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=114
  0.8000002E+04  0.1465740E+08  0.5457994E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=115
  0.8000003E+04  0.1395943E+08  0.5730894E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=116
  0.8000003E+04  0.1332491E+08  0.6003793E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=117
  0.8000003E+04  0.1274557E+08  0.6276693E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=118
  0.8000003E+04  0.1221450E+08  0.6549593E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=119
  0.8000003E+04  0.1172592E+08  0.6822492E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=120
  0.8000003E+04  0.1127493E+08  0.7095392E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=121
  0.8000004E+04  0.1085734E+08  0.7368292E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=122
  0.8000004E+04  0.1046958E+08  0.7641191E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=123
  0.8000004E+04  0.1010856E+08  0.7914091E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=124
  0.8000004E+04  0.9771605E+07  0.8186991E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=125
  0.8000004E+04  0.9456392E+07  0.8459891E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=126
  0.8000004E+04  0.9160880E+07  0.8732790E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=127
  0.8000004E+04  0.8883278E+07  0.9005690E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=128
  0.8000005E+04  0.8622005E+07  0.9278590E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=129
  0.8000005E+04  0.8375662E+07  0.9551489E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=130
  0.8000005E+04  0.8143005E+07  0.9824389E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=131
  0.8000005E+04  0.7922924E+07  0.1009729E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=132
  0.8000005E+04  0.7714426E+07  0.1037019E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=133
  0.8000005E+04  0.7516620E+07  0.1064309E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=134
  0.8000006E+04  0.7328705E+07  0.1091599E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=135
  0.8000006E+04  0.7149956E+07  0.1118889E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=136
  0.8000006E+04  0.6979719E+07  0.1146179E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=137
  0.8000006E+04  0.6817401E+07  0.1173469E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=138
  0.8000006E+04  0.6662460E+07  0.1200759E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=139
  0.8000006E+04  0.6514405E+07  0.1228049E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=140
  0.8000007E+04  0.6372788E+07  0.1255339E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=141
  0.8000007E+04  0.6237197E+07  0.1282629E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=142
  0.8000007E+04  0.6107255E+07  0.1309919E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=143
  0.8000007E+04  0.5982618E+07  0.1337209E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=144
  0.8000007E+04  0.5862965E+07  0.1364498E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=145
  0.8000007E+04  0.5748005E+07  0.1391788E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=146
  0.8000008E+04  0.5637467E+07  0.1419078E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=147
  0.8000008E+04  0.5531100E+07  0.1446368E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=148
  0.8000008E+04  0.5428672E+07  0.1473658E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=149
  0.8000008E+04  0.5329969E+07  0.1500948E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=1, CurvPnt#=150
  150            0.1000000E+03  0.0000000E+00                                                           Line 4a : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kip) for elastic-plastic EI at top of section
  0.8000000E+02  0.5862960E+08  0.1364498E-05                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=1
  0.1600000E+03  0.5862960E+08  0.2728997E-05                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=2
  0.2400000E+03  0.5862960E+08  0.4093495E-05                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=3
  0.3200000E+03  0.5862960E+08  0.5457994E-05                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=4
  0.4000000E+03  0.5862960E+08  0.6822492E-05                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=5
  0.4800000E+03  0.5862960E+08  0.8186991E-05                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=6
  0.5600000E+03  0.5862960E+08  0.9551489E-05                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=7
  0.6400000E+03  0.5862960E+08  0.1091599E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=8
  0.7200000E+03  0.5862960E+08  0.1228049E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=9
  0.8000000E+03  0.5862960E+08  0.1364498E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=10
  0.8800000E+03  0.5862960E+08  0.1500948E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=11
  0.9600000E+03  0.5862960E+08  0.1637398E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=12
  0.1040000E+04  0.5862960E+08  0.1773848E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=13
  0.1120000E+04  0.5862960E+08  0.1910298E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=14
  0.1200000E+04  0.5862960E+08  0.2046748E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=15
  0.1280000E+04  0.5862960E+08  0.2183198E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=16
  0.1360000E+04  0.5862960E+08  0.2319647E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=17
  0.1440000E+04  0.5862960E+08  0.2456097E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=18
  0.1520000E+04  0.5862960E+08  0.2592547E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=19
  0.1600000E+04  0.5862960E+08  0.2728997E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=20
  0.1680000E+04  0.5862960E+08  0.2865447E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=21
  0.1760000E+04  0.5862960E+08  0.3001897E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=22
  0.1840000E+04  0.5862960E+08  0.3138347E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=23
  0.1920000E+04  0.5862960E+08  0.3274796E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=24
  0.2000000E+04  0.5862960E+08  0.3411246E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=25
  0.2080000E+04  0.5862960E+08  0.3547696E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=26
  0.2160000E+04  0.5862960E+08  0.3684146E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=27
  0.2240000E+04  0.5862960E+08  0.3820596E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=28
  0.2320000E+04  0.5862960E+08  0.3957046E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=29
  0.2400000E+04  0.5862960E+08  0.4093495E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=30
  0.2480000E+04  0.5862960E+08  0.4229945E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=31
  0.2560000E+04  0.5862960E+08  0.4366395E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=32
  0.2640000E+04  0.5862960E+08  0.4502845E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=33
  0.2720000E+04  0.5862960E+08  0.4639295E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=34
  0.2800000E+04  0.5862960E+08  0.4775745E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=35
  0.2880000E+04  0.5862960E+08  0.4912195E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=36
  0.2960000E+04  0.5862960E+08  0.5048644E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=37
  0.3040000E+04  0.5862960E+08  0.5185094E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=38
  0.3120000E+04  0.5862960E+08  0.5321544E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=39
  0.3200000E+04  0.5862960E+08  0.5457994E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=40
  0.3280000E+04  0.5862960E+08  0.5594444E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=41
  0.3360000E+04  0.5862960E+08  0.5730894E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=42
  0.3440000E+04  0.5862960E+08  0.5867343E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=43
  0.3520000E+04  0.5862960E+08  0.6003793E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=44
  0.3600000E+04  0.5862960E+08  0.6140243E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=45
  0.3680000E+04  0.5862960E+08  0.6276693E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=46
  0.3760000E+04  0.5862960E+08  0.6413143E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=47
  0.3840000E+04  0.5862960E+08  0.6549593E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=48
  0.3920000E+04  0.5862960E+08  0.6686043E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=49
  0.4000000E+04  0.5862960E+08  0.6822492E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=50
  0.4080000E+04  0.5862960E+08  0.6958942E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=51
  0.4160000E+04  0.5862960E+08  0.7095392E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=52
  0.4240000E+04  0.5862960E+08  0.7231842E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=53
  0.4320000E+04  0.5862960E+08  0.7368292E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=54
  0.4400000E+04  0.5862960E+08  0.7504742E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=55
  0.4480000E+04  0.5862960E+08  0.7641191E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=56
  0.4560000E+04  0.5862960E+08  0.7777641E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=57
  0.4640000E+04  0.5862960E+08  0.7914091E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=58
  0.4720000E+04  0.5862960E+08  0.8050541E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=59
  0.4800000E+04  0.5862960E+08  0.8186991E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=60
  0.4880000E+04  0.5862960E+08  0.8323441E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=61
  0.4960000E+04  0.5862960E+08  0.8459891E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=62
  0.5040000E+04  0.5862960E+08  0.8596340E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=63
  0.5120000E+04  0.5862960E+08  0.8732790E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=64
  0.5200000E+04  0.5862960E+08  0.8869240E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=65
  0.5280000E+04  0.5862960E+08  0.9005690E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=66
  0.5360000E+04  0.5862960E+08  0.9142140E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=67
  0.5440000E+04  0.5862960E+08  0.9278590E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=68
  0.5520000E+04  0.5862960E+08  0.9415040E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=69
  0.5600000E+04  0.5862960E+08  0.9551489E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=70
  0.5680000E+04  0.5862960E+08  0.9687939E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=71
  0.5760000E+04  0.5862960E+08  0.9824389E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=72
  0.5840000E+04  0.5862960E+08  0.9960839E-04                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=73
  0.5920000E+04  0.5862960E+08  0.1009729E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=74
  0.6000000E+04  0.5862960E+08  0.1023374E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=75
  0.6080000E+04  0.5862960E+08  0.1037019E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=76
  0.6160000E+04  0.5862960E+08  0.1050664E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=77
  0.6240000E+04  0.5862960E+08  0.1064309E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=78
  0.6320000E+04  0.5862960E+08  0.1077954E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=79
  0.6400000E+04  0.5862960E+08  0.1091599E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=80
  0.6480000E+04  0.5862960E+08  0.1105244E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=81
  0.6560000E+04  0.5862960E+08  0.1118889E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=82
  0.6640000E+04  0.5862960E+08  0.1132534E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=83
  0.6720000E+04  0.5862960E+08  0.1146179E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=84
  0.6800000E+04  0.5862960E+08  0.1159824E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=85
  0.6880000E+04  0.5862960E+08  0.1173469E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=86
  0.6960000E+04  0.5862960E+08  0.1187114E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=87
  0.7040000E+04  0.5862960E+08  0.1200759E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=88
  0.7120000E+04  0.5862960E+08  0.1214404E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=89
  0.7200000E+04  0.5862960E+08  0.1228049E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=90
  0.7280000E+04  0.5862960E+08  0.1241694E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=91
  0.7360000E+04  0.5862960E+08  0.1255339E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=92
  0.7440000E+04  0.5862960E+08  0.1268984E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=93
  0.7520000E+04  0.5862960E+08  0.1282629E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=94
  0.7600000E+04  0.5862960E+08  0.1296274E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=95
  0.7680000E+04  0.5862960E+08  0.1309919E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=96
  0.7760000E+04  0.5862960E+08  0.1323564E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=97
  0.7840000E+04  0.5862960E+08  0.1337209E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=98
  0.7920000E+04  0.5862960E+08  0.1350853E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=99
  0.8000000E+04  0.5862960E+08  0.1364498E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=100
  0.8000000E+04  0.4885800E+08  0.1637398E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=101
  0.8000000E+04  0.4187829E+08  0.1910298E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=102
  0.8000000E+04  0.3664350E+08  0.2183198E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=103
  0.8000001E+04  0.3257200E+08  0.2456097E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=104
  0.8000001E+04  0.2931480E+08  0.2728997E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=105
  0.8000001E+04  0.2664982E+08  0.3001897E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=106
  0.8000001E+04  0.2442900E+08  0.3274796E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=107
  0.8000001E+04  0.2254985E+08  0.3547696E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=108
  0.8000001E+04  0.2093915E+08  0.3820596E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=109
  0.8000002E+04  0.1954320E+08  0.4093495E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=110
  0.8000002E+04  0.1832175E+08  0.4366395E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=111
  0.8000002E+04  0.1724400E+08  0.4639295E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=112
  0.8000002E+04  0.1628600E+08  0.4912195E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=113
  0.8000002E+04  0.1542885E+08  0.5185094E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=114
  0.8000002E+04  0.1465740E+08  0.5457994E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=115
  0.8000003E+04  0.1395943E+08  0.5730894E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=116
  0.8000003E+04  0.1332491E+08  0.6003793E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=117
  0.8000003E+04  0.1274557E+08  0.6276693E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=118
  0.8000003E+04  0.1221450E+08  0.6549593E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=119
  0.8000003E+04  0.1172592E+08  0.6822492E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=120
  0.8000003E+04  0.1127493E+08  0.7095392E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=121
  0.8000004E+04  0.1085734E+08  0.7368292E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=122
  0.8000004E+04  0.1046958E+08  0.7641191E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=123
  0.8000004E+04  0.1010856E+08  0.7914091E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=124
  0.8000004E+04  0.9771605E+07  0.8186991E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=125
  0.8000004E+04  0.9456392E+07  0.8459891E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=126
  0.8000004E+04  0.9160880E+07  0.8732790E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=127
  0.8000004E+04  0.8883278E+07  0.9005690E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=128
  0.8000005E+04  0.8622005E+07  0.9278590E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=129
  0.8000005E+04  0.8375662E+07  0.9551489E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=130
  0.8000005E+04  0.8143005E+07  0.9824389E-03                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=131
  0.8000005E+04  0.7922924E+07  0.1009729E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=132
  0.8000005E+04  0.7714426E+07  0.1037019E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=133
  0.8000005E+04  0.7516620E+07  0.1064309E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=134
  0.8000006E+04  0.7328705E+07  0.1091599E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=135
  0.8000006E+04  0.7149956E+07  0.1118889E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=136
  0.8000006E+04  0.6979719E+07  0.1146179E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=137
  0.8000006E+04  0.6817401E+07  0.1173469E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=138
  0.8000006E+04  0.6662460E+07  0.1200759E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=139
  0.8000006E+04  0.6514405E+07  0.1228049E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=140
  0.8000007E+04  0.6372788E+07  0.1255339E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=141
  0.8000007E+04  0.6237197E+07  0.1282629E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=142
  0.8000007E+04  0.6107255E+07  0.1309919E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=143
  0.8000007E+04  0.5982618E+07  0.1337209E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=144
  0.8000007E+04  0.5862965E+07  0.1364498E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=145
  0.8000007E+04  0.5748005E+07  0.1391788E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=146
  0.8000008E+04  0.5637467E+07  0.1419078E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=147
  0.8000008E+04  0.5531100E+07  0.1446368E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=148
  0.8000008E+04  0.5428672E+07  0.1473658E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=149
  0.8000008E+04  0.5329969E+07  0.1500948E-02                                                           Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=10, AxLd#=2, CurvPnt#=150
  148            0.0000000E+00  0.6000000E+04                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for input M-EI pile, Section 11
  0.0000000E+00  0.6000000E+08  0.0000000E+00                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=1
  0.4081633E+02  0.5979592E+08  0.6825939E-06                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=2
  0.8163265E+02  0.5959184E+08  0.1369863E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=3
  0.1224490E+03  0.5938776E+08  0.2061856E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=4
  0.1632653E+03  0.5918367E+08  0.2758621E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=5
  0.2040816E+03  0.5897959E+08  0.3460208E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=6
  0.2448980E+03  0.5877551E+08  0.4166667E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=7
  0.2857143E+03  0.5857143E+08  0.4878049E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=8
  0.3265306E+03  0.5836735E+08  0.5594406E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=9
  0.3673469E+03  0.5816327E+08  0.6315789E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=10
  0.4081633E+03  0.5795918E+08  0.7042254E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=11
  0.4489796E+03  0.5775510E+08  0.7773852E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=12
  0.4897959E+03  0.5755102E+08  0.8510638E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=13
  0.5306122E+03  0.5734694E+08  0.9252669E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=14
  0.5714286E+03  0.5714286E+08  0.1000000E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=15
  0.6122449E+03  0.5693878E+08  0.1075269E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=16
  0.6530612E+03  0.5673469E+08  0.1151079E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=17
  0.6938776E+03  0.5653061E+08  0.1227437E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=18
  0.7346939E+03  0.5632653E+08  0.1304348E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=19
  0.7755102E+03  0.5612245E+08  0.1381818E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=20
  0.8163265E+03  0.5591837E+08  0.1459854E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=21
  0.8571429E+03  0.5571429E+08  0.1538462E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=22
  0.8979592E+03  0.5551020E+08  0.1617647E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=23
  0.9387755E+03  0.5530612E+08  0.1697417E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=24
  0.9795918E+03  0.5510204E+08  0.1777778E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=25
  0.1020408E+04  0.5489796E+08  0.1858736E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=26
  0.1061224E+04  0.5469388E+08  0.1940299E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=27
  0.1102041E+04  0.5448980E+08  0.2022472E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=28
  0.1142857E+04  0.5428571E+08  0.2105263E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=29
  0.1183673E+04  0.5408163E+08  0.2188679E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=30
  0.1224490E+04  0.5387755E+08  0.2272727E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=31
  0.1265306E+04  0.5367347E+08  0.2357414E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=32
  0.1306122E+04  0.5346939E+08  0.2442748E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=33
  0.1346939E+04  0.5326531E+08  0.2528736E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=34
  0.1387755E+04  0.5306122E+08  0.2615385E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=35
  0.1428571E+04  0.5285714E+08  0.2702703E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=36
  0.1469388E+04  0.5265306E+08  0.2790698E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=37
  0.1510204E+04  0.5244898E+08  0.2879377E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=38
  0.1551020E+04  0.5224490E+08  0.2968750E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=39
  0.1591837E+04  0.5204082E+08  0.3058824E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=40
  0.1632653E+04  0.5183673E+08  0.3149606E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=41
  0.1673469E+04  0.5163265E+08  0.3241107E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=42
  0.1714286E+04  0.5142857E+08  0.3333333E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=43
  0.1755102E+04  0.5122449E+08  0.3426295E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=44
  0.1795918E+04  0.5102041E+08  0.3520000E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=45
  0.1836735E+04  0.5081633E+08  0.3614458E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=46
  0.1877551E+04  0.5061224E+08  0.3709677E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=47
  0.1918367E+04  0.5040816E+08  0.3805668E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=48
  0.1959184E+04  0.5020408E+08  0.3902439E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=49
  0.2000000E+04  0.5000000E+08  0.4000000E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=50
  0.2040816E+04  0.4959184E+08  0.4115226E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=51
  0.2081633E+04  0.4918367E+08  0.4232365E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=52
  0.2122449E+04  0.4877551E+08  0.4351464E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=53
  0.2163265E+04  0.4836735E+08  0.4472574E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=54
  0.2204082E+04  0.4795918E+08  0.4595745E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=55
  0.2244898E+04  0.4755102E+08  0.4721030E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=56
  0.2285714E+04  0.4714286E+08  0.4848485E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=57
  0.2326531E+04  0.4673469E+08  0.4978166E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=58
  0.2367347E+04  0.4632653E+08  0.5110132E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=59
  0.2408163E+04  0.4591837E+08  0.5244444E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=60
  0.2448980E+04  0.4551020E+08  0.5381166E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=61
  0.2489796E+04  0.4510204E+08  0.5520362E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=62
  0.2530612E+04  0.4469388E+08  0.5662100E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=63
  0.2571429E+04  0.4428571E+08  0.5806452E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=64
  0.2612245E+04  0.4387755E+08  0.5953488E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=65
  0.2653061E+04  0.4346939E+08  0.6103286E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=66
  0.2693878E+04  0.4306122E+08  0.6255924E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=67
  0.2734694E+04  0.4265306E+08  0.6411483E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=68
  0.2775510E+04  0.4224490E+08  0.6570048E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=69
  0.2816327E+04  0.4183673E+08  0.6731707E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=70
  0.2857143E+04  0.4142857E+08  0.6896552E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=71
  0.2897959E+04  0.4102041E+08  0.7064677E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=72
  0.2938776E+04  0.4061224E+08  0.7236181E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=73
  0.2979592E+04  0.4020408E+08  0.7411168E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=74
  0.3020408E+04  0.3979592E+08  0.7589744E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=75
  0.3061224E+04  0.3938776E+08  0.7772021E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=76
  0.3102041E+04  0.3897959E+08  0.7958115E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=77
  0.3142857E+04  0.3857143E+08  0.8148148E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=78
  0.3183673E+04  0.3816327E+08  0.8342246E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=79
  0.3224490E+04  0.3775510E+08  0.8540541E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=80
  0.3265306E+04  0.3734694E+08  0.8743169E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=81
  0.3306122E+04  0.3693878E+08  0.8950276E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=82
  0.3346939E+04  0.3653061E+08  0.9162011E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=83
  0.3387755E+04  0.3612245E+08  0.9378531E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=84
  0.3428571E+04  0.3571429E+08  0.9600000E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=85
  0.3469388E+04  0.3530612E+08  0.9826590E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=86
  0.3510204E+04  0.3489796E+08  0.1005848E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=87
  0.3551020E+04  0.3448980E+08  0.1029586E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=88
  0.3591837E+04  0.3408163E+08  0.1053892E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=89
  0.3632653E+04  0.3367347E+08  0.1078788E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=90
  0.3673469E+04  0.3326531E+08  0.1104294E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=91
  0.3714286E+04  0.3285714E+08  0.1130435E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=92
  0.3755102E+04  0.3244898E+08  0.1157233E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=93
  0.3795918E+04  0.3204082E+08  0.1184713E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=94
  0.3836735E+04  0.3163265E+08  0.1212903E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=95
  0.3877551E+04  0.3122449E+08  0.1241830E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=96
  0.3918367E+04  0.3081633E+08  0.1271523E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=97
  0.3959184E+04  0.3040816E+08  0.1302013E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=98
  0.4000000E+04  0.3000000E+08  0.1333333E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=99
  0.4040816E+04  0.2969388E+08  0.1360825E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=100
  0.4081633E+04  0.2938776E+08  0.1388889E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=101
  0.4122449E+04  0.2908163E+08  0.1417544E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=102
  0.4163265E+04  0.2877551E+08  0.1446809E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=103
  0.4204082E+04  0.2846939E+08  0.1476703E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=104
  0.4244898E+04  0.2816327E+08  0.1507246E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=105
  0.4285714E+04  0.2785714E+08  0.1538462E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=106
  0.4326531E+04  0.2755102E+08  0.1570370E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=107
  0.4367347E+04  0.2724490E+08  0.1602996E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=108
  0.4408163E+04  0.2693878E+08  0.1636364E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=109
  0.4448980E+04  0.2663265E+08  0.1670498E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=110
  0.4489796E+04  0.2632653E+08  0.1705426E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=111
  0.4530612E+04  0.2602041E+08  0.1741176E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=112
  0.4571429E+04  0.2571429E+08  0.1777778E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=113
  0.4612245E+04  0.2540816E+08  0.1815261E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=114
  0.4653061E+04  0.2510204E+08  0.1853659E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=115
  0.4693878E+04  0.2479592E+08  0.1893004E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=116
  0.4734694E+04  0.2448980E+08  0.1933333E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=117
  0.4775510E+04  0.2418367E+08  0.1974684E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=118
  0.4816327E+04  0.2387755E+08  0.2017094E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=119
  0.4857143E+04  0.2357143E+08  0.2060606E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=120
  0.4897959E+04  0.2326531E+08  0.2105263E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=121
  0.4938776E+04  0.2295918E+08  0.2151111E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=122
  0.4979592E+04  0.2265306E+08  0.2198198E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=123
  0.5020408E+04  0.2234694E+08  0.2246575E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=124
  0.5061224E+04  0.2204082E+08  0.2296296E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=125
  0.5102041E+04  0.2173469E+08  0.2347418E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=126
  0.5142857E+04  0.2142857E+08  0.2400000E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=127
  0.5183673E+04  0.2112245E+08  0.2454106E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=128
  0.5224490E+04  0.2081633E+08  0.2509804E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=129
  0.5265306E+04  0.2051020E+08  0.2567164E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=130
  0.5306122E+04  0.2020408E+08  0.2626263E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=131
  0.5346939E+04  0.1989796E+08  0.2687179E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=132
  0.5387755E+04  0.1959184E+08  0.2750000E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=133
  0.5428571E+04  0.1928571E+08  0.2814815E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=134
  0.5469388E+04  0.1897959E+08  0.2881720E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=135
  0.5510204E+04  0.1867347E+08  0.2950820E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=136
  0.5551020E+04  0.1836735E+08  0.3022222E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=137
  0.5591837E+04  0.1806122E+08  0.3096045E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=138
  0.5632653E+04  0.1775510E+08  0.3172414E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=139
  0.5673469E+04  0.1744898E+08  0.3251462E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=140
  0.5714286E+04  0.1714286E+08  0.3333333E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=141
  0.5755102E+04  0.1683673E+08  0.3418182E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=142
  0.5795918E+04  0.1653061E+08  0.3506173E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=143
  0.5836735E+04  0.1622449E+08  0.3597484E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=144
  0.5877551E+04  0.1591837E+08  0.3692308E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=145
  0.5918367E+04  0.1561224E+08  0.3790850E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=146
  0.5959184E+04  0.1530612E+08  0.3893333E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=147
  0.6000000E+04  0.1500000E+08  0.4000000E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=1, CurvPnt#=148
  148            0.1000000E+03  0.7000000E+04                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for input M-EI pile, Section 11
  0.0000000E+00  0.7000000E+08  0.0000000E+00                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=1
  0.5102041E+02  0.6979592E+08  0.7309942E-06                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=2
  0.1020408E+03  0.6959184E+08  0.1466276E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=3
  0.1530612E+03  0.6938776E+08  0.2205882E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=4
  0.2040816E+03  0.6918367E+08  0.2949853E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=5
  0.2551020E+03  0.6897959E+08  0.3698225E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=6
  0.3061224E+03  0.6877551E+08  0.4451039E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=7
  0.3571429E+03  0.6857143E+08  0.5208333E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=8
  0.4081633E+03  0.6836735E+08  0.5970149E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=9
  0.4591837E+03  0.6816327E+08  0.6736527E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=10
  0.5102041E+03  0.6795918E+08  0.7507508E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=11
  0.5612245E+03  0.6775510E+08  0.8283133E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=12
  0.6122449E+03  0.6755102E+08  0.9063444E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=13
  0.6632653E+03  0.6734694E+08  0.9848485E-05                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=14
  0.7142857E+03  0.6714286E+08  0.1063830E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=15
  0.7653061E+03  0.6693878E+08  0.1143293E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=16
  0.8163265E+03  0.6673469E+08  0.1223242E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=17
  0.8673469E+03  0.6653061E+08  0.1303681E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=18
  0.9183673E+03  0.6632653E+08  0.1384615E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=19
  0.9693878E+03  0.6612245E+08  0.1466049E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=20
  0.1020408E+04  0.6591837E+08  0.1547988E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=21
  0.1071429E+04  0.6571429E+08  0.1630435E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=22
  0.1122449E+04  0.6551020E+08  0.1713396E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=23
  0.1173469E+04  0.6530612E+08  0.1796875E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=24
  0.1224490E+04  0.6510204E+08  0.1880878E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=25
  0.1275510E+04  0.6489796E+08  0.1965409E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=26
  0.1326531E+04  0.6469388E+08  0.2050473E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=27
  0.1377551E+04  0.6448980E+08  0.2136076E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=28
  0.1428571E+04  0.6428571E+08  0.2222222E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=29
  0.1479592E+04  0.6408163E+08  0.2308917E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=30
  0.1530612E+04  0.6387755E+08  0.2396166E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=31
  0.1581633E+04  0.6367347E+08  0.2483974E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=32
  0.1632653E+04  0.6346939E+08  0.2572347E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=33
  0.1683673E+04  0.6326531E+08  0.2661290E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=34
  0.1734694E+04  0.6306122E+08  0.2750809E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=35
  0.1785714E+04  0.6285714E+08  0.2840909E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=36
  0.1836735E+04  0.6265306E+08  0.2931596E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=37
  0.1887755E+04  0.6244898E+08  0.3022876E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=38
  0.1938776E+04  0.6224490E+08  0.3114754E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=39
  0.1989796E+04  0.6204082E+08  0.3207237E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=40
  0.2040816E+04  0.6183673E+08  0.3300330E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=41
  0.2091837E+04  0.6163265E+08  0.3394040E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=42
  0.2142857E+04  0.6142857E+08  0.3488372E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=43
  0.2193878E+04  0.6122449E+08  0.3583333E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=44
  0.2244898E+04  0.6102041E+08  0.3678930E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=45
  0.2295918E+04  0.6081633E+08  0.3775168E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=46
  0.2346939E+04  0.6061224E+08  0.3872054E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=47
  0.2397959E+04  0.6040816E+08  0.3969595E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=48
  0.2448980E+04  0.6020408E+08  0.4067797E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=49
  0.2500000E+04  0.6000000E+08  0.4166667E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=50
  0.2551020E+04  0.5948980E+08  0.4288165E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=51
  0.2602041E+04  0.5897959E+08  0.4411765E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=52
  0.2653061E+04  0.5846939E+08  0.4537522E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=53
  0.2704082E+04  0.5795918E+08  0.4665493E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=54
  0.2755102E+04  0.5744898E+08  0.4795737E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=55
  0.2806122E+04  0.5693878E+08  0.4928315E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=56
  0.2857143E+04  0.5642857E+08  0.5063291E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=57
  0.2908163E+04  0.5591837E+08  0.5200730E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=58
  0.2959184E+04  0.5540816E+08  0.5340700E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=59
  0.3010204E+04  0.5489796E+08  0.5483271E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=60
  0.3061224E+04  0.5438776E+08  0.5628518E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=61
  0.3112245E+04  0.5387755E+08  0.5776515E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=62
  0.3163265E+04  0.5336735E+08  0.5927342E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=63
  0.3214286E+04  0.5285714E+08  0.6081081E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=64
  0.3265306E+04  0.5234694E+08  0.6237817E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=65
  0.3316327E+04  0.5183673E+08  0.6397638E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=66
  0.3367347E+04  0.5132653E+08  0.6560636E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=67
  0.3418367E+04  0.5081633E+08  0.6726908E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=68
  0.3469388E+04  0.5030612E+08  0.6896552E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=69
  0.3520408E+04  0.4979592E+08  0.7069672E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=70
  0.3571429E+04  0.4928571E+08  0.7246377E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=71
  0.3622449E+04  0.4877551E+08  0.7426778E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=72
  0.3673469E+04  0.4826531E+08  0.7610994E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=73
  0.3724490E+04  0.4775510E+08  0.7799145E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=74
  0.3775510E+04  0.4724490E+08  0.7991361E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=75
  0.3826531E+04  0.4673469E+08  0.8187773E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=76
  0.3877551E+04  0.4622449E+08  0.8388521E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=77
  0.3928571E+04  0.4571429E+08  0.8593750E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=78
  0.3979592E+04  0.4520408E+08  0.8803612E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=79
  0.4030612E+04  0.4469388E+08  0.9018265E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=80
  0.4081633E+04  0.4418367E+08  0.9237875E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=81
  0.4132653E+04  0.4367347E+08  0.9462617E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=82
  0.4183673E+04  0.4316327E+08  0.9692671E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=83
  0.4234694E+04  0.4265306E+08  0.9928230E-04                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=84
  0.4285714E+04  0.4214286E+08  0.1016949E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=85
  0.4336735E+04  0.4163265E+08  0.1041667E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=86
  0.4387755E+04  0.4112245E+08  0.1066998E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=87
  0.4438776E+04  0.4061224E+08  0.1092965E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=88
  0.4489796E+04  0.4010204E+08  0.1119593E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=89
  0.4540816E+04  0.3959184E+08  0.1146907E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=90
  0.4591837E+04  0.3908163E+08  0.1174935E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=91
  0.4642857E+04  0.3857143E+08  0.1203704E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=92
  0.4693878E+04  0.3806122E+08  0.1233244E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=93
  0.4744898E+04  0.3755102E+08  0.1263587E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=94
  0.4795918E+04  0.3704082E+08  0.1294766E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=95
  0.4846939E+04  0.3653061E+08  0.1326816E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=96
  0.4897959E+04  0.3602041E+08  0.1359773E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=97
  0.4948980E+04  0.3551020E+08  0.1393678E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=98
  0.5000000E+04  0.3500000E+08  0.1428571E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=99
  0.5040816E+04  0.3465306E+08  0.1454653E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=100
  0.5081633E+04  0.3430612E+08  0.1481261E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=101
  0.5122449E+04  0.3395918E+08  0.1508413E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=102
  0.5163265E+04  0.3361224E+08  0.1536126E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=103
  0.5204082E+04  0.3326531E+08  0.1564417E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=104
  0.5244898E+04  0.3291837E+08  0.1593304E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=105
  0.5285714E+04  0.3257143E+08  0.1622807E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=106
  0.5326531E+04  0.3222449E+08  0.1652945E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=107
  0.5367347E+04  0.3187755E+08  0.1683739E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=108
  0.5408163E+04  0.3153061E+08  0.1715210E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=109
  0.5448980E+04  0.3118367E+08  0.1747382E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=110
  0.5489796E+04  0.3083673E+08  0.1780278E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=111
  0.5530612E+04  0.3048980E+08  0.1813922E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=112
  0.5571429E+04  0.3014286E+08  0.1848341E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=113
  0.5612245E+04  0.2979592E+08  0.1883562E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=114
  0.5653061E+04  0.2944898E+08  0.1919612E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=115
  0.5693878E+04  0.2910204E+08  0.1956522E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=116
  0.5734694E+04  0.2875510E+08  0.1994322E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=117
  0.5775510E+04  0.2840816E+08  0.2033046E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=118
  0.5816327E+04  0.2806122E+08  0.2072727E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=119
  0.5857143E+04  0.2771429E+08  0.2113402E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=120
  0.5897959E+04  0.2736735E+08  0.2155108E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=121
  0.5938776E+04  0.2702041E+08  0.2197885E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=122
  0.5979592E+04  0.2667347E+08  0.2241775E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=123
  0.6020408E+04  0.2632653E+08  0.2286822E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=124
  0.6061224E+04  0.2597959E+08  0.2333071E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=125
  0.6102041E+04  0.2563265E+08  0.2380573E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=126
  0.6142857E+04  0.2528571E+08  0.2429379E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=127
  0.6183673E+04  0.2493878E+08  0.2479542E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=128
  0.6224490E+04  0.2459184E+08  0.2531120E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=129
  0.6265306E+04  0.2424490E+08  0.2584175E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=130
  0.6306122E+04  0.2389796E+08  0.2638770E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=131
  0.6346939E+04  0.2355102E+08  0.2694974E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=132
  0.6387755E+04  0.2320408E+08  0.2752858E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=133
  0.6428571E+04  0.2285714E+08  0.2812500E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=134
  0.6469388E+04  0.2251020E+08  0.2873980E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=135
  0.6510204E+04  0.2216327E+08  0.2937385E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=136
  0.6551020E+04  0.2181633E+08  0.3002806E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=137
  0.6591837E+04  0.2146939E+08  0.3070342E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=138
  0.6632653E+04  0.2112245E+08  0.3140097E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=139
  0.6673469E+04  0.2077551E+08  0.3212181E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=140
  0.6714286E+04  0.2042857E+08  0.3286713E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=141
  0.6755102E+04  0.2008163E+08  0.3363821E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=142
  0.6795918E+04  0.1973469E+08  0.3443640E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=143
  0.6836735E+04  0.1938776E+08  0.3526316E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=144
  0.6877551E+04  0.1904082E+08  0.3612004E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=145
  0.6918367E+04  0.1869388E+08  0.3700873E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=146
  0.6959184E+04  0.1834694E+08  0.3793103E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=147
  0.7000000E+04  0.1800000E+08  0.3888889E-03                                   Line 5 : Moment, EI, Curvature for Sect#=11, AxLd#=2, CurvPnt#=148
