    3    1    0    0                                                                                    Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                                                   Line 2 : Total number of sections
    2                                                                           Line 3 : Total number of axial thrusts
  125            0.2000000E+03  0.1191510E+05                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 1
  0.2329347E+03  0.3726956E+09  0.6250000E-06                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.4658666E+03  0.3726932E+09  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.6987876E+03  0.3726867E+09  0.1875000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.9316923E+03  0.3726769E+09  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.1164498E+04  0.3726393E+09  0.3125000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.1396896E+04  0.3725057E+09  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.1628672E+04  0.3722680E+09  0.4375000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.1859717E+04  0.3719434E+09  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.2089973E+04  0.3715507E+09  0.5625000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.2319409E+04  0.3711054E+09  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.2548008E+04  0.3706193E+09  0.6875000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.2775759E+04  0.3701012E+09  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.3002655E+04  0.3695575E+09  0.8125000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.3228691E+04  0.3689933E+09  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.3228691E+04  0.3443937E+09  0.9375000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.3228691E+04  0.3228691E+09  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.3228691E+04  0.3038768E+09  0.1062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.3228691E+04  0.2869948E+09  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.3228691E+04  0.2718898E+09  0.1187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.3228691E+04  0.2582953E+09  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.3228691E+04  0.2459955E+09  0.1312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.3228691E+04  0.2348139E+09  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.3228691E+04  0.2246046E+09  0.1437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.3228691E+04  0.2152461E+09  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.3228691E+04  0.2066362E+09  0.1562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.3228691E+04  0.1986887E+09  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.3228691E+04  0.1913298E+09  0.1687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.3228691E+04  0.1844966E+09  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.3228691E+04  0.1781347E+09  0.1812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.3228691E+04  0.1721969E+09  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.3228691E+04  0.1666421E+09  0.1937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.3228691E+04  0.1614346E+09  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.3278918E+04  0.1589778E+09  0.2062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.3331937E+04  0.1567971E+09  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.3384567E+04  0.1547231E+09  0.2187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.3437158E+04  0.1527626E+09  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.3489246E+04  0.1508863E+09  0.2312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.3541115E+04  0.1490996E+09  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.3592946E+04  0.1474029E+09  0.2437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.3695640E+04  0.1442201E+09  0.2562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.3797903E+04  0.1413173E+09  0.2687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.3899146E+04  0.1386363E+09  0.2812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.4000127E+04  0.1361745E+09  0.2937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.4100385E+04  0.1338901E+09  0.3062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.4200229E+04  0.1317719E+09  0.3187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.4299898E+04  0.1298083E+09  0.3312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.4398743E+04  0.1279634E+09  0.3437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.4497452E+04  0.1262443E+09  0.3562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.4596026E+04  0.1246380E+09  0.3687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.4693956E+04  0.1231202E+09  0.3812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.4791665E+04  0.1216931E+09  0.3937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.4889241E+04  0.1203505E+09  0.4062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.4986683E+04  0.1190850E+09  0.4187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.5083580E+04  0.1178801E+09  0.4312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.5180280E+04  0.1167387E+09  0.4437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.5276851E+04  0.1156570E+09  0.4562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.5373290E+04  0.1146302E+09  0.4687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.5469598E+04  0.1136540E+09  0.4812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.5565503E+04  0.1127191E+09  0.4937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.5661183E+04  0.1118258E+09  0.5062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.5756733E+04  0.1109732E+09  0.5187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.5852153E+04  0.1101582E+09  0.5312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.5947443E+04  0.1093783E+09  0.5437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.6042602E+04  0.1086311E+09  0.5562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.6137630E+04  0.1079144E+09  0.5687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.6232306E+04  0.1072225E+09  0.5812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.6326809E+04  0.1065568E+09  0.5937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.6421182E+04  0.1059164E+09  0.6062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.6515425E+04  0.1052998E+09  0.6187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.6609536E+04  0.1047055E+09  0.6312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.6703516E+04  0.1041323E+09  0.6437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.6797364E+04  0.1035789E+09  0.6562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.6891079E+04  0.1030442E+09  0.6687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.6984660E+04  0.1025271E+09  0.6812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.7078107E+04  0.1020268E+09  0.6937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.7171284E+04  0.1015403E+09  0.7062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.7264297E+04  0.1010685E+09  0.7187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.7357177E+04  0.1006110E+09  0.7312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.7449923E+04  0.1001670E+09  0.7437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.7819555E+04  0.9851408E+08  0.7937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.8186989E+04  0.9703098E+08  0.8437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.8552173E+04  0.9568865E+08  0.8937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.8914858E+04  0.9446207E+08  0.9437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.9249591E+04  0.9307765E+08  0.9937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.9535375E+04  0.9135689E+08  0.1043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.9753894E+04  0.8917846E+08  0.1093750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.9906002E+04  0.8660986E+08  0.1143750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.1005584E+05  0.8423742E+08  0.1193750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.1020452E+05  0.8204642E+08  0.1243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.1035206E+05  0.8001594E+08  0.1293750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.1049843E+05  0.7812787E+08  0.1343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.1063737E+05  0.7632193E+08  0.1393750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.1073047E+05  0.7432363E+08  0.1443750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.1079275E+05  0.7225271E+08  0.1493750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.1085171E+05  0.7029446E+08  0.1543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.1090984E+05  0.6845388E+08  0.1593750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.1096599E+05  0.6671325E+08  0.1643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.1102149E+05  0.6507153E+08  0.1693750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.1107632E+05  0.6352011E+08  0.1743750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.1113047E+05  0.6205139E+08  0.1793750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.1118392E+05  0.6065854E+08  0.1843750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.1123604E+05  0.5933221E+08  0.1893750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.1128707E+05  0.5806854E+08  0.1943750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.1133732E+05  0.5686431E+08  0.1993750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.1138684E+05  0.5571544E+08  0.2043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.1143551E+05  0.5461736E+08  0.2093750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.1148347E+05  0.5356722E+08  0.2143750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.1153061E+05  0.5256117E+08  0.2193750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.1157704E+05  0.5159685E+08  0.2243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.1162268E+05  0.5067109E+08  0.2293750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.1166340E+05  0.4976384E+08  0.2343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.1169958E+05  0.4887553E+08  0.2393750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.1172719E+05  0.4798852E+08  0.2443750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.1174688E+05  0.4710527E+08  0.2493750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.1176217E+05  0.4623949E+08  0.2543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.1177375E+05  0.4539279E+08  0.2593750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.1178467E+05  0.4457558E+08  0.2643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.1179541E+05  0.4378806E+08  0.2693750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.1180596E+05  0.4302857E+08  0.2743750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.1185952E+05  0.3896350E+08  0.3043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.1190714E+05  0.3561013E+08  0.3343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.1194790E+05  0.3279011E+08  0.3643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.1198267E+05  0.3038396E+08  0.3943750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.1200995E+05  0.2830034E+08  0.4243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.1203083E+05  0.2647776E+08  0.4543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=125
  122            0.5000000E+03  0.1468279E+05                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 1
  0.2252177E+03  0.3603482E+09  0.6250000E-06                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=1
  0.4504361E+03  0.3603489E+09  0.1250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=2
  0.6756434E+03  0.3603432E+09  0.1875000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=3
  0.9008339E+03  0.3603336E+09  0.2500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=4
  0.1126002E+04  0.3603206E+09  0.3125000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=5
  0.1351142E+04  0.3603046E+09  0.3750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=6
  0.1576249E+04  0.3602854E+09  0.4375000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=7
  0.1801316E+04  0.3602632E+09  0.5000000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=8
  0.2026338E+04  0.3602379E+09  0.5625000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=9
  0.2251310E+04  0.3602097E+09  0.6250000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=10
  0.2476207E+04  0.3601756E+09  0.6875000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=11
  0.2700904E+04  0.3601206E+09  0.7500000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=12
  0.2925252E+04  0.3600310E+09  0.8125000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=13
  0.3149130E+04  0.3599006E+09  0.8750000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=14
  0.3372448E+04  0.3597278E+09  0.9375000E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=15
  0.3595139E+04  0.3595139E+09  0.1000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=16
  0.3817152E+04  0.3592614E+09  0.1062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=17
  0.4038446E+04  0.3589730E+09  0.1125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=18
  0.4258990E+04  0.3586518E+09  0.1187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=19
  0.4478761E+04  0.3583009E+09  0.1250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=20
  0.4478761E+04  0.3412390E+09  0.1312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=21
  0.4478761E+04  0.3257281E+09  0.1375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=22
  0.4478761E+04  0.3115660E+09  0.1437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=23
  0.4478761E+04  0.2985841E+09  0.1500000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=24
  0.4478761E+04  0.2866407E+09  0.1562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=25
  0.4486348E+04  0.2760829E+09  0.1625000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=26
  0.4576286E+04  0.2711873E+09  0.1687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=27
  0.4663419E+04  0.2664811E+09  0.1750000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=28
  0.4748031E+04  0.2619603E+09  0.1812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=29
  0.4830396E+04  0.2576211E+09  0.1875000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=30
  0.4910782E+04  0.2534597E+09  0.1937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=31
  0.4989348E+04  0.2494674E+09  0.2000000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=32
  0.5065589E+04  0.2456043E+09  0.2062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=33
  0.5140472E+04  0.2419046E+09  0.2125000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=34
  0.5214220E+04  0.2383643E+09  0.2187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=35
  0.5285780E+04  0.2349236E+09  0.2250000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=36
  0.5356557E+04  0.2316349E+09  0.2312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=37
  0.5425933E+04  0.2284603E+09  0.2375000E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=38
  0.5494157E+04  0.2254013E+09  0.2437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=39
  0.5627560E+04  0.2196121E+09  0.2562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=40
  0.5757273E+04  0.2142241E+09  0.2687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=41
  0.5883783E+04  0.2092012E+09  0.2812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=42
  0.6007309E+04  0.2045041E+09  0.2937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=43
  0.6127820E+04  0.2000921E+09  0.3062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=44
  0.6246262E+04  0.1959612E+09  0.3187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=45
  0.6363048E+04  0.1920920E+09  0.3312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=46
  0.6477386E+04  0.1884330E+09  0.3437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=47
  0.6590426E+04  0.1849944E+09  0.3562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=48
  0.6702030E+04  0.1817500E+09  0.3687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=49
  0.6811974E+04  0.1786747E+09  0.3812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=50
  0.6920956E+04  0.1757703E+09  0.3937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=51
  0.7028403E+04  0.1730068E+09  0.4062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=52
  0.7134923E+04  0.1703862E+09  0.4187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=53
  0.7240487E+04  0.1678954E+09  0.4312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=54
  0.7344738E+04  0.1655152E+09  0.4437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=55
  0.7448765E+04  0.1632606E+09  0.4562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=56
  0.7551158E+04  0.1610914E+09  0.4687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=57
  0.7653110E+04  0.1590257E+09  0.4812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=58
  0.7754844E+04  0.1570601E+09  0.4937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=59
  0.7854925E+04  0.1551590E+09  0.5062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=60
  0.7954770E+04  0.1533450E+09  0.5187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=61
  0.8054400E+04  0.1516122E+09  0.5312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=62
  0.8152938E+04  0.1499391E+09  0.5437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=63
  0.8250858E+04  0.1483300E+09  0.5562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=64
  0.8348569E+04  0.1467880E+09  0.5687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=65
  0.8446070E+04  0.1453087E+09  0.5812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=66
  0.8542399E+04  0.1438720E+09  0.5937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=67
  0.8638365E+04  0.1424885E+09  0.6062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=68
  0.8734125E+04  0.1411576E+09  0.6187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=69
  0.8829678E+04  0.1398761E+09  0.6312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=70
  0.8924674E+04  0.1386357E+09  0.6437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=71
  0.9018857E+04  0.1374302E+09  0.6562500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=72
  0.9112839E+04  0.1362667E+09  0.6687500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=73
  0.9206617E+04  0.1351430E+09  0.6812500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=74
  0.9300192E+04  0.1340568E+09  0.6937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=75
  0.9393560E+04  0.1330062E+09  0.7062500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=76
  0.9485926E+04  0.1319781E+09  0.7187500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=77
  0.9578090E+04  0.1309824E+09  0.7312500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=78
  0.9670052E+04  0.1300175E+09  0.7437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=79
  0.1003559E+05  0.1264326E+09  0.7937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=80
  0.1039557E+05  0.1232067E+09  0.8437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=81
  0.1075221E+05  0.1203044E+09  0.8937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=82
  0.1110364E+05  0.1176544E+09  0.9437500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=83
  0.1145174E+05  0.1152376E+09  0.9937500E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=84
  0.1179606E+05  0.1130162E+09  0.1043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=85
  0.1212106E+05  0.1108211E+09  0.1093750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=86
  0.1239544E+05  0.1083754E+09  0.1143750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=87
  0.1264424E+05  0.1059203E+09  0.1193750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=88
  0.1280601E+05  0.1029629E+09  0.1243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=89
  0.1294967E+05  0.1000941E+09  0.1293750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=90
  0.1309136E+05  0.9742411E+08  0.1343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=91
  0.1322922E+05  0.9491814E+08  0.1393750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=92
  0.1336485E+05  0.9257037E+08  0.1443750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=93
  0.1349846E+05  0.9036626E+08  0.1493750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=94
  0.1362998E+05  0.8829134E+08  0.1543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=95
  0.1374697E+05  0.8625548E+08  0.1593750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=96
  0.1382617E+05  0.8411360E+08  0.1643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=97
  0.1388256E+05  0.8196343E+08  0.1693750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=98
  0.1393465E+05  0.7991197E+08  0.1743750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=99
  0.1398385E+05  0.7795876E+08  0.1793750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=100
  0.1403126E+05  0.7610175E+08  0.1843750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=101
  0.1407753E+05  0.7433679E+08  0.1893750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=102
  0.1412271E+05  0.7265703E+08  0.1943750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=103
  0.1416693E+05  0.7105670E+08  0.1993750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=104
  0.1420934E+05  0.6952581E+08  0.2043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=105
  0.1425023E+05  0.6806080E+08  0.2093750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=106
  0.1429035E+05  0.6666050E+08  0.2143750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=107
  0.1432963E+05  0.6532023E+08  0.2193750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=108
  0.1436837E+05  0.6403732E+08  0.2243750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=109
  0.1440620E+05  0.6280634E+08  0.2293750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=110
  0.1444354E+05  0.6162577E+08  0.2343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=111
  0.1448009E+05  0.6049126E+08  0.2393750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=112
  0.1451524E+05  0.5939741E+08  0.2443750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=113
  0.1455002E+05  0.5834594E+08  0.2493750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=114
  0.1458417E+05  0.5733335E+08  0.2543750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=115
  0.1461691E+05  0.5635437E+08  0.2593750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=116
  0.1464933E+05  0.5541118E+08  0.2643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=117
  0.1468095E+05  0.5450003E+08  0.2693750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=118
  0.1471019E+05  0.5361344E+08  0.2743750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=119
  0.1482783E+05  0.4871565E+08  0.3043750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=120
  0.1485011E+05  0.4441155E+08  0.3343750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=121
  0.1485011E+05  0.4075502E+08  0.3643750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=122
    0                                                                                                   Line 6 : number of output p-y curves
    2  101    1                                                                                         Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.5006619E+00  0.0000000E+00  0.3000000E+05 -0.9791545E+02  0.3726956E+12              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+01  0.4822829E+00  0.2171378E+06  0.2927391E+05 -0.1037765E+03  0.3726956E+12              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+02  0.4639340E+00  0.4288899E+06  0.2850601E+05 -0.1095293E+03  0.3726934E+12              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+02  0.4456448E+00  0.6349520E+06  0.2769711E+05 -0.1151638E+03  0.3726880E+12              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+02  0.4274440E+00  0.8350263E+06  0.2684811E+05 -0.1206703E+03  0.3726803E+12              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+02  0.4093593E+00  0.1028822E+07  0.2595996E+05 -0.1260384E+03  0.3726591E+12              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+02  0.3914177E+00  0.1216055E+07  0.2503369E+05 -0.1312578E+03  0.3726052E+12              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+02  0.3736453E+00  0.1396450E+07  0.2407042E+05 -0.1363176E+03  0.3725059E+12              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+02  0.3560672E+00  0.1569739E+07  0.2307133E+05 -0.1412069E+03  0.3723217E+12              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+02  0.3387077E+00  0.1735665E+07  0.2203770E+05 -0.1459144E+03  0.3721068E+12              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+02  0.3215900E+00  0.1893977E+07  0.2097086E+05 -0.1504284E+03  0.3718788E+12              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7920000E+02  0.3047363E+00  0.2044439E+07  0.1987227E+05 -0.1547367E+03  0.3716213E+12              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8640000E+02  0.2881678E+00  0.2186822E+07  0.1874344E+05 -0.1588267E+03  0.3713512E+12              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9360000E+02  0.2719046E+00  0.2320911E+07  0.1758600E+05 -0.1626855E+03  0.3711019E+12              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1008000E+03  0.2559656E+00  0.2446501E+07  0.1640165E+05 -0.1662991E+03  0.3708238E+12              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1080000E+03  0.2403686E+00  0.2563402E+07  0.1519222E+05 -0.1696533E+03  0.3705814E+12              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1152000E+03  0.2251302E+00  0.2671436E+07  0.1395963E+05 -0.1727326E+03  0.3703274E+12              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1224000E+03  0.2102658E+00  0.2770441E+07  0.1270592E+05 -0.1755208E+03  0.3701123E+12              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1296000E+03  0.1957894E+00  0.2860270E+07  0.1143324E+05 -0.1780003E+03  0.3698885E+12              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1368000E+03  0.1817139E+00  0.2940790E+07  0.1014390E+05 -0.1801522E+03  0.3696973E+12              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03  0.1680507E+00  0.3011890E+07  0.8840307E+04 -0.1819558E+03  0.3695328E+12              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1512000E+03  0.1548101E+00  0.3073472E+07  0.7525069E+04 -0.1833880E+03  0.3693717E+12              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1584000E+03  0.1420008E+00  0.3125461E+07  0.6200949E+04 -0.1844232E+03  0.3692407E+12              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1656000E+03  0.1296303E+00  0.3167801E+07  0.4870908E+04 -0.1850325E+03  0.3691372E+12              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1728000E+03  0.1177047E+00  0.3200461E+07  0.3538135E+04 -0.1851824E+03  0.3690594E+12              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+03  0.1062287E+00  0.3223431E+07  0.2206075E+04 -0.1848342E+03  0.2939953E+12              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1872000E+03  0.9532098E-01  0.3236705E+07  0.8782190E+03 -0.1840147E+03  0.1611856E+12              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1944000E+03  0.8545429E-01  0.3240232E+07 -0.4431516E+03 -0.1830327E+03  0.1608576E+12              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2016000E+03  0.7663183E-01  0.3234062E+07 -0.1757157E+04 -0.1819689E+03  0.1682686E+12              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2088000E+03  0.6880573E-01  0.3218259E+07 -0.3063446E+04 -0.1808892E+03  0.3198440E+12              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+03  0.6150123E-01  0.3192974E+07 -0.4360662E+04 -0.1794486E+03  0.3690771E+12              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2232000E+03  0.5464521E-01  0.3158297E+07 -0.5645951E+04 -0.1775760E+03  0.3691603E+12              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2304000E+03  0.4823271E-01  0.3114326E+07 -0.6916125E+04 -0.1752501E+03  0.3692684E+12              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2376000E+03  0.4225741E-01  0.3061182E+07 -0.8167832E+04 -0.1724464E+03  0.3694034E+12              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2448000E+03  0.3671170E-01  0.2999013E+07 -0.9397529E+04 -0.1691360E+03  0.3695657E+12              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2520000E+03  0.3158667E-01  0.2927992E+07 -0.1060144E+05 -0.1652839E+03  0.3697270E+12              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2592000E+03  0.2687217E-01  0.2848321E+07 -0.1177551E+05 -0.1608468E+03  0.3699178E+12              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2664000E+03  0.2255684E-01  0.2760231E+07 -0.1291533E+05 -0.1557688E+03  0.3701338E+12              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2736000E+03  0.1862810E-01  0.2663989E+07 -0.1401601E+05 -0.1499755E+03  0.3703443E+12              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2808000E+03  0.1507226E-01  0.2559897E+07 -0.1507203E+05 -0.1433639E+03  0.3705901E+12              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03  0.1187451E-01  0.2448302E+07 -0.1607696E+05 -0.1357835E+03  0.3708201E+12              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2952000E+03  0.9019034E-02  0.2329600E+07 -0.1701729E+05 -0.1254184E+03  0.3710818E+12              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3024000E+03  0.6488997E-02  0.2204330E+07 -0.1787748E+05 -0.1135257E+03  0.3713171E+12              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3096000E+03  0.4266710E-02  0.2073114E+07 -0.1864515E+05 -0.9971608E+02  0.3715765E+12              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3168000E+03  0.2333650E-02  0.1936671E+07 -0.1930065E+05 -0.8236603E+02  0.3718017E+12              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3240000E+03  0.6706192E-03  0.1795904E+07 -0.1979478E+05 -0.5489113E+02  0.3720247E+12              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3312000E+03 -0.7421606E-03  0.1652242E+07 -0.1978590E+05  0.5735716E+02  0.3722307E+12              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3384000E+03 -0.1924835E-02  0.1511506E+07 -0.1929293E+05  0.7957701E+02  0.3723790E+12              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3456000E+03 -0.2897088E-02  0.1374854E+07 -0.1867493E+05  0.9209058E+02  0.3725164E+12              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3528000E+03 -0.3678015E-02  0.1242938E+07 -0.1798092E+05  0.1006897E+03  0.3725886E+12              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+03 -0.4286005E-02  0.1116207E+07 -0.1723329E+05  0.1069865E+03  0.3726458E+12              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3672000E+03 -0.4738717E-02  0.9949908E+06 -0.1644603E+05  0.1116969E+03  0.3726649E+12              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3744000E+03 -0.5053018E-02  0.8795375E+06 -0.1562916E+05  0.1152106E+03  0.3726787E+12              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3816000E+03 -0.5244976E-02  0.7700322E+06 -0.1479044E+05  0.1177670E+03  0.3726831E+12              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3888000E+03 -0.5329822E-02  0.6666105E+06 -0.1393619E+05  0.1195252E+03  0.3726873E+12              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3960000E+03 -0.5321944E-02  0.5693665E+06 -0.1307175E+05  0.1205973E+03  0.3726897E+12              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4032000E+03 -0.5234869E-02  0.4783583E+06 -0.1220176E+05  0.1210658E+03  0.3726927E+12              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4104000E+03 -0.5081256E-02  0.3936130E+06 -0.1133035E+05  0.1209936E+03  0.3726937E+12              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4176000E+03 -0.4872894E-02  0.3151289E+06 -0.1046122E+05  0.1204299E+03  0.3726943E+12              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4248000E+03 -0.4620699E-02  0.2428792E+06 -0.9597784E+04  0.1194141E+03  0.3726954E+12              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03 -0.4334720E-02  0.1768132E+06 -0.8743171E+04  0.1179785E+03  0.3726956E+12              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4392000E+03 -0.4024148E-02  0.1168583E+06 -0.7900309E+04  0.1161498E+03  0.3726956E+12              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4464000E+03 -0.3697321E-02  0.6292128E+05 -0.7071947E+04  0.1139506E+03  0.3726956E+12              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4536000E+03 -0.3361742E-02  0.1488975E+05 -0.6260685E+04  0.1114000E+03  0.3726956E+12              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4608000E+03 -0.3024092E-02 -0.2736723E+05 -0.5468993E+04  0.1085146E+03  0.3726956E+12              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4680000E+03 -0.2690249E-02 -0.6399805E+05 -0.4699230E+04  0.1053085E+03  0.3726956E+12              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4752000E+03 -0.2365307E-02 -0.9516790E+05 -0.3953662E+04  0.1017938E+03  0.3726956E+12              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4824000E+03 -0.2053603E-02 -0.1210581E+06 -0.3234473E+04  0.9798094E+02  0.3726956E+12              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4896000E+03 -0.1758738E-02 -0.1418656E+06 -0.2543780E+04  0.9387820E+02  0.3726956E+12              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4968000E+03 -0.1483605E-02 -0.1578025E+06 -0.1883648E+04  0.8949185E+02  0.3726956E+12              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+03 -0.1230422E-02 -0.1690958E+06 -0.1256105E+04  0.8482557E+02  0.3726956E+12              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5112000E+03 -0.1000759E-02 -0.1759870E+06 -0.6631667E+03  0.7987950E+02  0.3726956E+12              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5184000E+03 -0.7955748E-03 -0.1787324E+06 -0.1068657E+03  0.7464856E+02  0.3726956E+12              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5256000E+03 -0.6152515E-03 -0.1776030E+06  0.4106991E+03  0.6911941E+02  0.3726956E+12              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5328000E+03 -0.4596318E-03 -0.1728855E+06  0.8872810E+03  0.6326445E+02  0.3726956E+12              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+03 -0.3280596E-03 -0.1648836E+06  0.1320339E+04  0.5702958E+02  0.3726956E+12              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5472000E+03 -0.2194219E-03 -0.1539207E+06  0.1706748E+04  0.5030607E+02  0.3726956E+12              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5544000E+03 -0.1321937E-03 -0.1403456E+06  0.2042124E+04  0.4285398E+02  0.3726956E+12              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5616000E+03 -0.6448684E-04 -0.1245451E+06  0.2318882E+04  0.3402337E+02  0.3726956E+12              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5688000E+03 -0.1410354E-04 -0.1069773E+06  0.2515766E+04  0.2066662E+02  0.3726956E+12              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+03  0.2139977E-04 -0.8833520E+05  0.2503869E+04 -0.2397148E+02  0.3726956E+12              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5832000E+03  0.4461612E-04 -0.7093333E+05  0.2306406E+04 -0.3087935E+02  0.3726956E+12              Line 10( 82) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5904000E+03  0.5796602E-04 -0.5513027E+05  0.2072913E+04 -0.3397991E+02  0.3726956E+12              Line 10( 83) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5976000E+03  0.6364758E-04 -0.4108719E+05  0.1823317E+04 -0.3535234E+02  0.3726956E+12              Line 10( 84) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6048000E+03  0.6361413E-04 -0.2887564E+05  0.1567727E+04 -0.3564470E+02  0.3726956E+12              Line 10( 85) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6120000E+03  0.5956423E-04 -0.1851110E+05  0.1312811E+04 -0.3516548E+02  0.3726956E+12              Line 10( 86) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6192000E+03  0.5293954E-04 -0.9969031E+04  0.1063475E+04 -0.3409442E+02  0.3726956E+12              Line 10( 87) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6264000E+03  0.4492820E-04 -0.3194136E+04  0.8235539E+03 -0.3255033E+02  0.3726956E+12              Line 10( 88) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6336000E+03  0.3647257E-04  0.1893439E+04  0.5961452E+03 -0.3061876E+02  0.3726956E+12              Line 10( 89) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6408000E+03  0.2828032E-04  0.5393684E+04  0.3838074E+03 -0.2836397E+02  0.3726956E+12              Line 10( 90) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+03  0.2083829E-04  0.7423391E+04  0.1887021E+03 -0.2583193E+02  0.3726956E+12              Line 10( 91) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6552000E+03  0.1442883E-04  0.8113765E+04  0.1275338E+02 -0.2304271E+02  0.3726956E+12              Line 10( 92) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6624000E+03  0.9147939E-05  0.7609378E+04 -0.1031330E+03 -0.9147939E+01  0.3726956E+12              Line 10( 93) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6696000E+03  0.4925477E-05  0.6630551E+04 -0.1537972E+03 -0.4925477E+01  0.3726956E+12              Line 10( 94) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6768000E+03  0.1625290E-05  0.5396202E+04 -0.1773800E+03 -0.1625290E+01  0.3726956E+12              Line 10( 95) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6840000E+03 -0.9243135E-06  0.4077449E+04 -0.1799035E+03  0.9243135E+00  0.3726956E+12              Line 10( 96) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6912000E+03 -0.2906765E-05  0.2806498E+04 -0.1661116E+03  0.2906765E+01  0.3726956E+12              Line 10( 97) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6984000E+03 -0.4498848E-05  0.1686156E+04 -0.1394514E+03  0.4498848E+01  0.3726956E+12              Line 10( 98) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7056000E+03 -0.5856395E-05  0.7989873E+03 -0.1021726E+03  0.5856395E+01  0.3726956E+12              Line 10( 99) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7128000E+03 -0.7102807E-05  0.2153919E+03 -0.5551944E+02  0.7102807E+01  0.3726956E+12              Line 10(100) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+03 -0.8319259E-05  0.0000000E+00  0.0000000E+00  0.8319259E+01  0.3726956E+12              Line 10(101) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.2706700E+01  0.6482566E-04  0.6000000E+05 -0.1718494E+03  0.3603482E+12              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+01  0.2618189E+01  0.4718011E+06  0.5872474E+05 -0.1823883E+03  0.3603482E+12              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+02  0.2529746E+01  0.9341133E+06  0.5737413E+05 -0.1927829E+03  0.3603313E+12              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+02  0.2441437E+01  0.1386364E+07  0.5594925E+05 -0.2030174E+03  0.3603011E+12              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+02  0.2353328E+01  0.1827991E+07  0.5445131E+05 -0.2130753E+03  0.3602599E+12              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+02  0.2265482E+01  0.2258441E+07  0.5288166E+05 -0.2229393E+03  0.3602085E+12              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+02  0.2177961E+01  0.2677171E+07  0.5124175E+05 -0.2325911E+03  0.3601259E+12              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+02  0.2090825E+01  0.3083651E+07  0.4953318E+05 -0.2420117E+03  0.3599368E+12              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+02  0.2004133E+01  0.3477362E+07  0.4775769E+05 -0.2511805E+03  0.3596236E+12              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+02  0.1917943E+01  0.3857802E+07  0.4591717E+05 -0.2600759E+03  0.3592059E+12              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+02  0.1832309E+01  0.4224481E+07  0.4401366E+05 -0.2686748E+03  0.3586998E+12              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7920000E+02  0.1747286E+01  0.4576927E+07  0.4204941E+05 -0.2769522E+03  0.2711540E+12              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8640000E+02  0.1663138E+01  0.4914578E+07  0.4002676E+05 -0.2848938E+03  0.2532612E+12              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9360000E+02  0.1579996E+01  0.5236958E+07  0.3794822E+05 -0.2924783E+03  0.2372503E+12              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1008000E+03  0.1497998E+01  0.5543603E+07  0.3581643E+05 -0.2996850E+03  0.2231879E+12              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1080000E+03  0.1417288E+01  0.5834068E+07  0.3363419E+05 -0.3064933E+03  0.2111212E+12              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1152000E+03  0.1338011E+01  0.6107929E+07  0.3140444E+05 -0.3128827E+03  0.2007957E+12              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1224000E+03  0.1260310E+01  0.6364781E+07  0.2913026E+05 -0.3188332E+03  0.1920349E+12              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1296000E+03  0.1184327E+01  0.6604246E+07  0.2681489E+05 -0.3243250E+03  0.1845807E+12              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1368000E+03  0.1110200E+01  0.6825971E+07  0.2446170E+05 -0.3293388E+03  0.1782914E+12              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03  0.1038057E+01  0.7029630E+07  0.2207420E+05 -0.3338554E+03  0.1729760E+12              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1512000E+03  0.9680204E+00  0.7214929E+07  0.1965604E+05 -0.3378560E+03  0.1684853E+12              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1584000E+03  0.9002041E+00  0.7381604E+07  0.1721100E+05 -0.3413225E+03  0.1647021E+12              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1656000E+03  0.8347111E+00  0.7529422E+07  0.1474298E+05 -0.3442368E+03  0.1615424E+12              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1728000E+03  0.7716343E+00  0.7658187E+07  0.1225604E+05 -0.3465815E+03  0.1589254E+12              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+03  0.7110556E+00  0.7767737E+07  0.9754323E+04 -0.3483396E+03  0.1568101E+12              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1872000E+03  0.6530448E+00  0.7857944E+07  0.7242121E+04 -0.3494945E+03  0.1551031E+12              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1944000E+03  0.5976604E+00  0.7928721E+07  0.4723831E+04 -0.3500303E+03  0.1538100E+12              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2016000E+03  0.5449483E+00  0.7980016E+07  0.2203968E+04 -0.3499316E+03  0.1528983E+12              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2088000E+03  0.4949418E+00  0.8011817E+07 -0.3128456E+03 -0.3491833E+03  0.1523430E+12              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+03  0.4476616E+00  0.8024154E+07 -0.2821881E+04 -0.3477710E+03  0.1521298E+12              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2232000E+03  0.4031157E+00  0.8017095E+07 -0.5318306E+04 -0.3456805E+03  0.1522516E+12              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2304000E+03  0.3612995E+00  0.7990752E+07 -0.7797189E+04 -0.3428981E+03  0.1527099E+12              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2376000E+03  0.3221960E+00  0.7945276E+07 -0.1025350E+05 -0.3394102E+03  0.1535140E+12              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2448000E+03  0.2857754E+00  0.7880863E+07 -0.1268211E+05 -0.3352031E+03  0.1546795E+12              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2520000E+03  0.2519961E+00  0.7797753E+07 -0.1507778E+05 -0.3302627E+03  0.1562337E+12              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2592000E+03  0.2208042E+00  0.7696229E+07 -0.1743519E+05 -0.3245736E+03  0.1581806E+12              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2664000E+03  0.1921346E+00  0.7576617E+07 -0.1974889E+05 -0.3181187E+03  0.1605657E+12              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2736000E+03  0.1659111E+00  0.7439291E+07 -0.2201327E+05 -0.3108777E+03  0.1634612E+12              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2808000E+03  0.1420469E+00  0.7284670E+07 -0.2422260E+05 -0.3028251E+03  0.1668705E+12              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03  0.1204457E+00  0.7113219E+07 -0.2637091E+05 -0.2939279E+03  0.1709079E+12              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2952000E+03  0.1010022E+00  0.6925451E+07 -0.2843921E+05 -0.2806003E+03  0.1756518E+12              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3024000E+03  0.8360255E-01  0.6722116E+07 -0.3040749E+05 -0.2661421E+03  0.1811734E+12              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3096000E+03  0.6812634E-01  0.6504021E+07 -0.3226956E+05 -0.2511010E+03  0.1876013E+12              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3168000E+03  0.5444739E-01  0.6272011E+07 -0.3402085E+05 -0.2353675E+03  0.1950831E+12              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3240000E+03  0.4243512E-01  0.6026967E+07 -0.3565573E+05 -0.2187669E+03  0.2037600E+12              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3312000E+03  0.3195621E-01  0.5769814E+07 -0.3716693E+05 -0.2010108E+03  0.2137066E+12              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3384000E+03  0.2287692E-01  0.5501542E+07 -0.3854432E+05 -0.1815952E+03  0.2250666E+12              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3456000E+03  0.1506481E-01  0.5223222E+07 -0.3977241E+05 -0.1595419E+03  0.2379221E+12              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3528000E+03  0.8390766E-02  0.4936062E+07 -0.4082394E+05 -0.1325510E+03  0.2521485E+12              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+03  0.2731544E-02  0.4641524E+07 -0.4163260E+05 -0.9207637E+02  0.2676333E+12              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3672000E+03 -0.2028624E-02  0.4341763E+07 -0.4166107E+05  0.8416901E+02  0.3585154E+12              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3744000E+03 -0.6160990E-02  0.4046051E+07 -0.4091500E+05  0.1230734E+03  0.3589613E+12              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3816000E+03 -0.9709038E-02  0.3756427E+07 -0.3995140E+05  0.1445932E+03  0.3593274E+12              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3888000E+03 -0.1271515E-01  0.3474028E+07 -0.3885593E+05  0.1597028E+03  0.3596268E+12              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3960000E+03 -0.1522048E-01  0.3199657E+07 -0.3766477E+05  0.1711759E+03  0.3598594E+12              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4032000E+03 -0.1726488E-01  0.2933930E+07 -0.3639981E+05  0.1802027E+03  0.3600256E+12              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4104000E+03 -0.1888683E-01  0.2677333E+07 -0.3507637E+05  0.1874190E+03  0.3601259E+12              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4176000E+03 -0.2012337E-01  0.2430259E+07 -0.3370610E+05  0.1932095E+03  0.3601820E+12              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4248000E+03 -0.2101013E-01  0.2193027E+07 -0.3229837E+05  0.1978275E+03  0.3602164E+12              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03 -0.2158129E-01  0.1965892E+07 -0.3086097E+05  0.2014496E+03  0.3602441E+12              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4392000E+03 -0.2186955E-01  0.1749058E+07 -0.2940062E+05  0.2042048E+03  0.3602678E+12              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4464000E+03 -0.2190613E-01  0.1542685E+07 -0.2792319E+05  0.2061907E+03  0.3602879E+12              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4536000E+03 -0.2172075E-01  0.1346890E+07 -0.2643397E+05  0.2074831E+03  0.3603048E+12              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4608000E+03 -0.2134157E-01  0.1161754E+07 -0.2493772E+05  0.2081423E+03  0.3603177E+12              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4680000E+03 -0.2079525E-01  0.9873242E+06 -0.2343882E+05  0.2082173E+03  0.3603279E+12              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4752000E+03 -0.2010689E-01  0.8236175E+06 -0.2194134E+05  0.2077487E+03  0.3603363E+12              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4824000E+03 -0.1930004E-01  0.6706212E+06 -0.2044908E+05  0.2067703E+03  0.3603432E+12              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4896000E+03 -0.1839670E-01  0.5282957E+06 -0.1896558E+05  0.2053111E+03  0.3603464E+12              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4968000E+03 -0.1741737E-01  0.3965755E+06 -0.1749424E+05  0.2033958E+03  0.3603488E+12              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+03 -0.1638098E-01  0.2753708E+06 -0.1603825E+05  0.2010459E+03  0.3603485E+12              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5112000E+03 -0.1530498E-01  0.1645685E+06 -0.1460067E+05  0.1982803E+03  0.3603482E+12              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5184000E+03 -0.1420531E-01  0.6403324E+05 -0.1318445E+05  0.1951157E+03  0.3603482E+12              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5256000E+03 -0.1309642E-01 -0.2639184E+05 -0.1179239E+05  0.1915665E+03  0.3603482E+12              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5328000E+03 -0.1199133E-01 -0.1068842E+06 -0.1042723E+05  0.1876456E+03  0.3603482E+12              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+03 -0.1090162E-01 -0.1776414E+06 -0.9091594E+04  0.1833644E+03  0.3603482E+12              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5472000E+03 -0.9837460E-02 -0.2388801E+06 -0.7788046E+04  0.1787322E+03  0.3603483E+12              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5544000E+03 -0.8807667E-02 -0.2908362E+06 -0.6519086E+04  0.1737567E+03  0.3603485E+12              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5616000E+03 -0.7819714E-02 -0.3337638E+06 -0.5287165E+04  0.1684436E+03  0.3603487E+12              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5688000E+03 -0.6879777E-02 -0.3679353E+06 -0.4094703E+04  0.1627957E+03  0.3603488E+12              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+03 -0.5992771E-02 -0.3936410E+06 -0.2944114E+04  0.1568124E+03  0.3603488E+12              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5832000E+03 -0.5162395E-02 -0.4111892E+06 -0.1837833E+04  0.1504879E+03  0.3603488E+12              Line 10( 82) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5904000E+03 -0.4391172E-02 -0.4209066E+06 -0.7783628E+03  0.1438094E+03  0.3603489E+12              Line 10( 83) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5976000E+03 -0.3680502E-02 -0.4231386E+06  0.2316631E+03  0.1367533E+03  0.3603489E+12              Line 10( 84) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6048000E+03 -0.3030704E-02 -0.4182509E+06  0.1189380E+04  0.1292792E+03  0.3603489E+12              Line 10( 85) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6120000E+03 -0.2441076E-02 -0.4066313E+06  0.2091536E+04  0.1213196E+03  0.3603488E+12              Line 10( 86) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6192000E+03 -0.1909946E-02 -0.3886932E+06  0.2934224E+04  0.1127604E+03  0.3603488E+12              Line 10( 87) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6264000E+03 -0.1434734E-02 -0.3648816E+06  0.3712411E+04  0.1034028E+03  0.3603487E+12              Line 10( 88) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6336000E+03 -0.1012014E-02 -0.3356834E+06  0.4419010E+04  0.9287451E+02  0.3603487E+12              Line 10( 89) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6408000E+03 -0.6375862E-03 -0.3016464E+06  0.5042734E+04  0.8038228E+02  0.3603486E+12              Line 10( 90) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+03 -0.3065530E-03 -0.2634208E+06  0.5561509E+04  0.6372191E+02  0.3603484E+12              Line 10( 91) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6552000E+03 -0.1341573E-04 -0.2218728E+06  0.5839205E+04  0.1341573E+02  0.3603482E+12              Line 10( 92) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6624000E+03  0.2478028E-03 -0.1796134E+06  0.5673404E+04 -0.5947156E+02  0.3603482E+12              Line 10( 93) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6696000E+03  0.4831819E-03 -0.1404241E+06  0.5188525E+04 -0.7521698E+02  0.3603482E+12              Line 10( 94) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6768000E+03  0.6983595E-03 -0.1051239E+06  0.4608639E+04 -0.8586253E+02  0.3603482E+12              Line 10( 95) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6840000E+03  0.8984140E-03 -0.7426728E+05  0.3960342E+04 -0.9422001E+02  0.3603482E+12              Line 10( 96) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6912000E+03  0.1087784E-02 -0.4828969E+05  0.3256491E+04 -0.1012942E+03  0.3603482E+12              Line 10( 97) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6984000E+03  0.1270207E-02 -0.2755971E+05  0.2504557E+04 -0.1075762E+03  0.3603482E+12              Line 10( 98) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7056000E+03  0.1448666E-02 -0.1240451E+05  0.1709249E+04 -0.1133429E+03  0.3603482E+12              Line 10( 99) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7128000E+03  0.1625340E-02 -0.3124101E+04  0.8736775E+03 -0.1187602E+03  0.3603482E+12              Line 10(100) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+03  0.1801565E-02  0.0000000E+00  0.0000000E+00 -0.1239280E+03  0.3603482E+12              Line 10(101) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.3000000E+05  0.5006619E+00  0.3240232E+07  0.3000000E+05 -0.2552645E-02                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
  0.6000000E+05  0.2706700E+01  0.8024154E+07  0.6000000E+05 -0.1229318E-01                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
    0    0    0                                                                                         Line 16: Number pushover steps computed, pushover BC type
    0  0.0000000E+00  0.0000000E+00                                                                     Line 18: Number of buckling points computed, Vtop, Mtop
