    3    1    0    0                                                                                    Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                                                   Line 2 : Total number of sections
    1                                                                                                   Line 3d : Total number of axial thrusts for elastic section
  150            0.0000000E+00  0.0000000E+00                                                           Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for linear EI pile at top of section
  0.7394130E+09  0.7394130E+08  0.1000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.1478826E+10  0.7394130E+08  0.2000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.2218239E+10  0.7394130E+08  0.3000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.2957652E+10  0.7394130E+08  0.4000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.3697065E+10  0.7394130E+08  0.5000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.4436478E+10  0.7394130E+08  0.6000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.5175891E+10  0.7394130E+08  0.7000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.5915304E+10  0.7394130E+08  0.8000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.6654717E+10  0.7394130E+08  0.9000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.7394130E+10  0.7394130E+08  0.1000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.8133543E+10  0.7394130E+08  0.1100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.8872956E+10  0.7394130E+08  0.1200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.9612369E+10  0.7394130E+08  0.1300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.1035178E+11  0.7394130E+08  0.1400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.1109120E+11  0.7394130E+08  0.1500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.1183061E+11  0.7394130E+08  0.1600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.1257002E+11  0.7394130E+08  0.1700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.1330943E+11  0.7394130E+08  0.1800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.1404885E+11  0.7394130E+08  0.1900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.1478826E+11  0.7394130E+08  0.2000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.1552767E+11  0.7394130E+08  0.2100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.1626709E+11  0.7394130E+08  0.2200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.1700650E+11  0.7394130E+08  0.2300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.1774591E+11  0.7394130E+08  0.2400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.1848532E+11  0.7394130E+08  0.2500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.1922474E+11  0.7394130E+08  0.2600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.1996415E+11  0.7394130E+08  0.2700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.2070356E+11  0.7394130E+08  0.2800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.2144298E+11  0.7394130E+08  0.2900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.2218239E+11  0.7394130E+08  0.3000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.2292180E+11  0.7394130E+08  0.3100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.2366122E+11  0.7394130E+08  0.3200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.2440063E+11  0.7394130E+08  0.3300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.2514004E+11  0.7394130E+08  0.3400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.2587946E+11  0.7394130E+08  0.3500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.2661887E+11  0.7394130E+08  0.3600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.2735828E+11  0.7394130E+08  0.3700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.2809769E+11  0.7394130E+08  0.3800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.2883711E+11  0.7394130E+08  0.3900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.2957652E+11  0.7394130E+08  0.4000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.3031593E+11  0.7394130E+08  0.4100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.3105535E+11  0.7394130E+08  0.4200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.3179476E+11  0.7394130E+08  0.4300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.3253417E+11  0.7394130E+08  0.4400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.3327358E+11  0.7394130E+08  0.4500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.3401300E+11  0.7394130E+08  0.4600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.3475241E+11  0.7394130E+08  0.4700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.3549182E+11  0.7394130E+08  0.4800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.3623124E+11  0.7394130E+08  0.4900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.3697065E+11  0.7394130E+08  0.5000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.3771006E+11  0.7394130E+08  0.5100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.3844948E+11  0.7394130E+08  0.5200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.3918889E+11  0.7394130E+08  0.5300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.3992830E+11  0.7394130E+08  0.5400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.4066772E+11  0.7394130E+08  0.5500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.4140713E+11  0.7394130E+08  0.5600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.4214654E+11  0.7394130E+08  0.5700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.4288595E+11  0.7394130E+08  0.5800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.4362537E+11  0.7394130E+08  0.5900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.4436478E+11  0.7394130E+08  0.6000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.4510419E+11  0.7394130E+08  0.6100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.4584361E+11  0.7394130E+08  0.6200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.4658302E+11  0.7394130E+08  0.6300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.4732243E+11  0.7394130E+08  0.6400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.4806184E+11  0.7394130E+08  0.6500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.4880126E+11  0.7394130E+08  0.6600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.4954067E+11  0.7394130E+08  0.6700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.5028008E+11  0.7394130E+08  0.6800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.5101950E+11  0.7394130E+08  0.6900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.5175891E+11  0.7394130E+08  0.7000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.5249832E+11  0.7394130E+08  0.7100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.5323774E+11  0.7394130E+08  0.7200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.5397715E+11  0.7394130E+08  0.7300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.5471656E+11  0.7394130E+08  0.7400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.5545598E+11  0.7394130E+08  0.7500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.5619539E+11  0.7394130E+08  0.7600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.5693480E+11  0.7394130E+08  0.7700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.5767421E+11  0.7394130E+08  0.7800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.5841363E+11  0.7394130E+08  0.7900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.5915304E+11  0.7394130E+08  0.8000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.5989245E+11  0.7394130E+08  0.8100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.6063187E+11  0.7394130E+08  0.8200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.6137128E+11  0.7394130E+08  0.8300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.6211069E+11  0.7394130E+08  0.8400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.6285010E+11  0.7394130E+08  0.8500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.6358952E+11  0.7394130E+08  0.8600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.6432893E+11  0.7394130E+08  0.8700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.6506834E+11  0.7394130E+08  0.8800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.6580776E+11  0.7394130E+08  0.8900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.6654717E+11  0.7394130E+08  0.9000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.6728658E+11  0.7394130E+08  0.9100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.6802600E+11  0.7394130E+08  0.9200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.6876541E+11  0.7394130E+08  0.9300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.6950482E+11  0.7394130E+08  0.9400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.7024424E+11  0.7394130E+08  0.9500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.7098365E+11  0.7394130E+08  0.9600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.7172306E+11  0.7394130E+08  0.9700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.7246247E+11  0.7394130E+08  0.9800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.7320189E+11  0.7394130E+08  0.9900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.7394130E+11  0.7394130E+08  0.1000000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.7468071E+11  0.7394130E+08  0.1010000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.7542013E+11  0.7394130E+08  0.1020000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.7615954E+11  0.7394130E+08  0.1030000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.7689895E+11  0.7394130E+08  0.1040000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.7763836E+11  0.7394130E+08  0.1050000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.7837778E+11  0.7394130E+08  0.1060000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.7911719E+11  0.7394130E+08  0.1070000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.7985660E+11  0.7394130E+08  0.1080000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.8059602E+11  0.7394130E+08  0.1090000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.8133543E+11  0.7394130E+08  0.1100000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.8207484E+11  0.7394130E+08  0.1110000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.8281426E+11  0.7394130E+08  0.1120000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.8355367E+11  0.7394130E+08  0.1130000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.8429308E+11  0.7394130E+08  0.1140000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.8503250E+11  0.7394130E+08  0.1150000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.8577191E+11  0.7394130E+08  0.1160000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.8651132E+11  0.7394130E+08  0.1170000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.8725073E+11  0.7394130E+08  0.1180000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.8799015E+11  0.7394130E+08  0.1190000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.8872956E+11  0.7394130E+08  0.1200000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.8946897E+11  0.7394130E+08  0.1210000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.9020839E+11  0.7394130E+08  0.1220000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.9094780E+11  0.7394130E+08  0.1230000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.9168721E+11  0.7394130E+08  0.1240000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.9242662E+11  0.7394130E+08  0.1250000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.9316604E+11  0.7394130E+08  0.1260000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.9390545E+11  0.7394130E+08  0.1270000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.9464486E+11  0.7394130E+08  0.1280000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.9538428E+11  0.7394130E+08  0.1290000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.9612369E+11  0.7394130E+08  0.1300000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.9686310E+11  0.7394130E+08  0.1310000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.9760252E+11  0.7394130E+08  0.1320000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.9834193E+11  0.7394130E+08  0.1330000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.9908134E+11  0.7394130E+08  0.1340000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.9982076E+11  0.7394130E+08  0.1350000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.1005602E+12  0.7394130E+08  0.1360000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=136
  0.1012996E+12  0.7394130E+08  0.1370000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=137
  0.1020390E+12  0.7394130E+08  0.1380000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=138
  0.1027784E+12  0.7394130E+08  0.1390000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=139
  0.1035178E+12  0.7394130E+08  0.1400000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=140
  0.1042572E+12  0.7394130E+08  0.1410000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=141
  0.1049966E+12  0.7394130E+08  0.1420000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=142
  0.1057361E+12  0.7394130E+08  0.1430000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=143
  0.1064755E+12  0.7394130E+08  0.1440000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=144
  0.1072149E+12  0.7394130E+08  0.1450000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=145
  0.1079543E+12  0.7394130E+08  0.1460000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=146
  0.1086937E+12  0.7394130E+08  0.1470000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=147
  0.1094331E+12  0.7394130E+08  0.1480000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=148
  0.1101725E+12  0.7394130E+08  0.1490000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=149
  0.1109120E+12  0.7394130E+08  0.1500000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=150
    3                                                                           Line 6 : number of output p-y curves
  0.2400000E+02   17                                                                                    Line 7:  p-y curve depth in sand, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for sand
  0.1833093E+00  0.2799481E+03                                                                          Line 8(2): y, p, for sand
  0.2030085E+00  0.2885384E+03                                                                          Line 8(3): y, p, for sand
  0.2227076E+00  0.2965604E+03                                                                          Line 8(4): y, p, for sand
  0.2424068E+00  0.3040974E+03                                                                          Line 8(5): y, p, for sand
  0.2621059E+00  0.3112147E+03                                                                          Line 8(6): y, p, for sand
  0.2818051E+00  0.3179648E+03                                                                          Line 8(7): y, p, for sand
  0.3015042E+00  0.3243905E+03                                                                          Line 8(8): y, p, for sand
  0.3212034E+00  0.3305271E+03                                                                          Line 8(9): y, p, for sand
  0.3409025E+00  0.3364042E+03                                                                          Line 8(10): y, p, for sand
  0.3606017E+00  0.3420468E+03                                                                          Line 8(11): y, p, for sand
  0.3803008E+00  0.3474765E+03                                                                          Line 8(12): y, p, for sand
  0.4000000E+00  0.3527116E+03                                                                          Line 8(13): y, p, for sand
  0.6500000E+00  0.4179862E+03                                                                          Line 8(14): y, p, for sand
  0.9000000E+00  0.4832607E+03                                                                          Line 8(15): y, p, for sand
  0.9225000E+00  0.4832607E+03                                                                          Line 8(16): y, p, for sand
  0.9450000E+00  0.4832607E+03                                                                          Line 8(17): y, p, for sand
  0.6000000E+02   17                                                                                    Line 7:  p-y curve depth in sand, no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for sand
  0.1574884E+00  0.6012867E+03                                                                          Line 8(2): y, p, for sand
  0.1795349E+00  0.6290221E+03                                                                          Line 8(3): y, p, for sand
  0.2015814E+00  0.6546045E+03                                                                          Line 8(4): y, p, for sand
  0.2236279E+00  0.6784117E+03                                                                          Line 8(5): y, p, for sand
  0.2456745E+00  0.7007253E+03                                                                          Line 8(6): y, p, for sand
  0.2677210E+00  0.7217614E+03                                                                          Line 8(7): y, p, for sand
  0.2897675E+00  0.7416899E+03                                                                          Line 8(8): y, p, for sand
  0.3118140E+00  0.7606473E+03                                                                          Line 8(9): y, p, for sand
  0.3338605E+00  0.7787447E+03                                                                          Line 8(10): y, p, for sand
  0.3559070E+00  0.7960744E+03                                                                          Line 8(11): y, p, for sand
  0.3779535E+00  0.8127137E+03                                                                          Line 8(12): y, p, for sand
  0.4000000E+00  0.8287280E+03                                                                          Line 8(13): y, p, for sand
  0.6500000E+00  0.1007001E+04                                                                          Line 8(14): y, p, for sand
  0.9000000E+00  0.1185274E+04                                                                          Line 8(15): y, p, for sand
  0.9225000E+00  0.1185274E+04                                                                          Line 8(16): y, p, for sand
  0.9450000E+00  0.1185274E+04                                                                          Line 8(17): y, p, for sand
  0.2400000E+03   17                                                                                    Line 7:  p-y curve depth in sand, no. p-y points on curve no. 3
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for sand
  0.4350193E+00  0.5867953E+04                                                                          Line 8(2): y, p, for sand
  0.4707871E+00  0.6176002E+04                                                                          Line 8(3): y, p, for sand
  0.5065548E+00  0.6479154E+04                                                                          Line 8(4): y, p, for sand
  0.5423225E+00  0.6782307E+04                                                                          Line 8(5): y, p, for sand
  0.5780903E+00  0.7085459E+04                                                                          Line 8(6): y, p, for sand
  0.6138580E+00  0.7388611E+04                                                                          Line 8(7): y, p, for sand
  0.6496258E+00  0.7691764E+04                                                                          Line 8(8): y, p, for sand
  0.6853935E+00  0.7994916E+04                                                                          Line 8(9): y, p, for sand
  0.7211613E+00  0.8298069E+04                                                                          Line 8(10): y, p, for sand
  0.7569290E+00  0.8601221E+04                                                                          Line 8(11): y, p, for sand
  0.7926968E+00  0.8904373E+04                                                                          Line 8(12): y, p, for sand
  0.8284645E+00  0.9207526E+04                                                                          Line 8(13): y, p, for sand
  0.8642323E+00  0.9510678E+04                                                                          Line 8(14): y, p, for sand
  0.9000000E+00  0.9813831E+04                                                                          Line 8(15): y, p, for sand
  0.9225000E+00  0.9813831E+04                                                                          Line 8(16): y, p, for sand
  0.9450000E+00  0.9813831E+04                                                                          Line 8(17): y, p, for sand
    2  101    1                                                                                         Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.2800766E+00 -0.1583337E-06  0.3000000E+05  0.0000000E+00  0.7393125E+11              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+01  0.2594944E+00  0.2160000E+06  0.2970736E+05 -0.8128887E+02  0.7393125E+11              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+02  0.2390637E+00  0.4277860E+06  0.2879596E+05 -0.1718770E+03  0.7393125E+11              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+02  0.2189329E+00  0.6306619E+06  0.2722880E+05 -0.2634471E+03  0.7393125E+11              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+02  0.1992444E+00  0.8198807E+06  0.2502665E+05 -0.3482594E+03  0.7393125E+11              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+02  0.1801307E+00  0.9910457E+06  0.2228741E+05 -0.4126405E+03  0.7393125E+11              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+02  0.1617119E+00  0.1140819E+07  0.1920158E+05 -0.4445366E+03  0.7393125E+11              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+02  0.1440931E+00  0.1267548E+07  0.1593761E+05 -0.4621207E+03  0.7393125E+11              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+02  0.1273631E+00  0.1370321E+07  0.1259343E+05 -0.4668181E+03  0.7393125E+11              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+02  0.1115939E+00  0.1448894E+07  0.9256354E+04 -0.4601476E+03  0.7393125E+11              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+02  0.9684067E-01  0.1503612E+07  0.6002567E+04 -0.4436822E+03  0.7393125E+11              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7920000E+02  0.8314178E-01  0.1535331E+07  0.2896869E+04 -0.4190117E+03  0.7393125E+11              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8640000E+02  0.7051944E-01  0.1545327E+07 -0.7320894E+01 -0.3877076E+03  0.7393125E+11              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9360000E+02  0.5898067E-01  0.1535225E+07 -0.2667716E+04 -0.3512912E+03  0.7393125E+11              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1008000E+03  0.4851839E-01  0.1506912E+07 -0.5052708E+04 -0.3112065E+03  0.7393125E+11              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1080000E+03  0.3911275E-01  0.1462466E+07 -0.7140719E+04 -0.2687966E+03  0.7393125E+11              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1152000E+03  0.3073258E-01  0.1404086E+07 -0.8919415E+04 -0.2252854E+03  0.7393125E+11              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1224000E+03  0.2333694E-01  0.1334027E+07 -0.1027089E+05 -0.1501253E+03  0.7393125E+11              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1296000E+03  0.1687670E-01  0.1256185E+07 -0.1122843E+05 -0.1158577E+03  0.7393125E+11              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1368000E+03  0.1129730E-01  0.1172337E+07 -0.1194229E+05 -0.8243581E+02  0.7393125E+11              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03  0.6539930E-02  0.1084216E+07 -0.1242103E+05 -0.5054678E+02  0.7393125E+11              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1512000E+03  0.2542803E-02  0.9934745E+06 -0.1267770E+05 -0.2075168E+02  0.7393125E+11              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1584000E+03 -0.7577079E-03  0.9016572E+06 -0.1272897E+05  0.6510944E+01  0.7393125E+11              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1656000E+03 -0.3425984E-02  0.8101774E+06 -0.1259422E+05  0.3091932E+02  0.7393125E+11              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1728000E+03 -0.5526170E-02  0.7203005E+06 -0.1229477E+05  0.5226070E+02  0.7393125E+11              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+03 -0.7121287E-02  0.6331327E+06 -0.1185311E+05  0.7042203E+02  0.7393125E+11              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1872000E+03 -0.8272456E-02  0.5496157E+06 -0.1129223E+05  0.8537959E+02  0.7393125E+11              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1944000E+03 -0.9038239E-02  0.4705247E+06 -0.1063498E+05  0.9718771E+02  0.7393125E+11              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2016000E+03 -0.9474094E-02  0.3964719E+06 -0.9903626E+04  0.1059672E+03  0.7393125E+11              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2088000E+03 -0.9631946E-02  0.3279124E+06 -0.9119326E+04  0.1118938E+03  0.7393125E+11              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+03 -0.9559869E-02  0.2651536E+06 -0.8301838E+04  0.1151864E+03  0.7393125E+11              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2232000E+03 -0.9301868E-02  0.2083660E+06 -0.7469221E+04  0.1160961E+03  0.7393125E+11              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2304000E+03 -0.8897763E-02  0.1575968E+06 -0.6637648E+04  0.1148963E+03  0.7393125E+11              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2376000E+03 -0.8383151E-02  0.1127838E+06 -0.5821279E+04  0.1118727E+03  0.7393125E+11              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2448000E+03 -0.7789457E-02  0.7377038E+05 -0.5032204E+04  0.1073149E+03  0.7393125E+11              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2520000E+03 -0.7144036E-02  0.4032011E+05 -0.4280437E+04  0.1015092E+03  0.7393125E+11              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2592000E+03 -0.6470342E-02  0.1213209E+05 -0.3573968E+04  0.9473194E+02  0.7393125E+11              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2664000E+03 -0.5788141E-02 -0.1114503E+05 -0.2918854E+04  0.8724436E+02  0.7393125E+11              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2736000E+03 -0.5113756E-02 -0.2989940E+05 -0.2319335E+04  0.7928852E+02  0.7393125E+11              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2808000E+03 -0.4460335E-02 -0.4454346E+05 -0.1777994E+04  0.7108413E+02  0.7393125E+11              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03 -0.3838148E-02 -0.5550252E+05 -0.1295916E+04  0.6282645E+02  0.7393125E+11              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2952000E+03 -0.3254879E-02 -0.6320465E+05 -0.8728744E+03  0.5468506E+02  0.7393125E+11              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3024000E+03 -0.2715929E-02 -0.6807191E+05 -0.5075157E+03  0.4680346E+02  0.7393125E+11              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3096000E+03 -0.2224710E-02 -0.7051287E+05 -0.1975455E+03  0.3929938E+02  0.7393125E+11              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3168000E+03 -0.1782934E-02 -0.7091656E+05  0.6008864E+02  0.3226566E+02  0.7393125E+11              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3240000E+03 -0.1390884E-02 -0.6964760E+05  0.2690228E+03  0.2577162E+02  0.7393125E+11              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3312000E+03 -0.1047671E-02 -0.6704263E+05  0.4333140E+03  0.1986483E+02  0.7393125E+11              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3384000E+03 -0.7514668E-03 -0.6340788E+05  0.5572908E+03  0.1457316E+02  0.7393125E+11              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3456000E+03 -0.4997242E-03 -0.5901765E+05  0.6454194E+03  0.9907006E+01  0.7393125E+11              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3528000E+03 -0.2893643E-03 -0.5411384E+05  0.7021865E+03  0.5861638E+01  0.7393125E+11              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+03 -0.1169486E-03 -0.4890616E+05  0.7319987E+03  0.2419543E+01  0.7393125E+11              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3672000E+03  0.2117452E-04 -0.4357306E+05  0.7390991E+03 -0.4472260E+00  0.7393125E+11              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3744000E+03  0.1287446E-03 -0.3826313E+05  0.7274997E+03 -0.2774825E+01  0.7393125E+11              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3816000E+03  0.2094848E-03 -0.3309706E+05  0.7009305E+03 -0.4605512E+01  0.7393125E+11              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3888000E+03  0.2670176E-03 -0.2816974E+05  0.6628020E+03 -0.5985720E+01  0.7393125E+11              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3960000E+03  0.3047980E-03 -0.2355271E+05  0.6161819E+03 -0.6964315E+01  0.7393125E+11              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4032000E+03  0.3260635E-03 -0.1929672E+05  0.5637825E+03 -0.7591068E+01  0.7393125E+11              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4104000E+03  0.3337983E-03 -0.1543424E+05  0.5079595E+03 -0.7915341E+01  0.7393125E+11              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4176000E+03  0.3307107E-03 -0.1198210E+05  0.4507183E+03 -0.7984992E+01  0.7393125E+11              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4248000E+03  0.3192213E-03 -0.8943899E+04  0.3937286E+03 -0.7845485E+01  0.7393125E+11              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03  0.3014606E-03 -0.6312409E+04  0.3383436E+03 -0.7539211E+01  0.7393125E+11              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4392000E+03  0.2792736E-03 -0.4071751E+04  0.2856245E+03 -0.7104985E+01  0.7393125E+11              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4464000E+03  0.2542315E-03 -0.2199415E+04  0.2363668E+03 -0.6577720E+01  0.7393125E+11              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4536000E+03  0.2276473E-03 -0.6680689E+03  0.1911293E+03 -0.5988250E+01  0.7393125E+11              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4608000E+03  0.2005946E-03  0.5528468E+03  0.1502638E+03 -0.5363287E+01  0.7393125E+11              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4680000E+03  0.1739296E-03  0.1495730E+04  0.1139442E+03 -0.4725483E+01  0.7393125E+11              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4752000E+03  0.1483133E-03  0.2193643E+04  0.8219555E+02 -0.4093588E+01  0.7393125E+11              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4824000E+03  0.1242352E-03  0.2679346E+04  0.5492099E+02 -0.3482679E+01  0.7393125E+11              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4896000E+03  0.1020359E-03  0.2984506E+04  0.3192734E+02 -0.2904445E+01  0.7393125E+11              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4968000E+03  0.8192922E-04  0.3139099E+04  0.1294832E+02 -0.2367504E+01  0.7393125E+11              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+03  0.6402369E-04  0.3170961E+04 -0.2334585E+01 -0.1877748E+01  0.7393125E+11              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5112000E+03  0.4834162E-04  0.3105481E+04 -0.1427377E+02 -0.1438692E+01  0.7393125E+11              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5184000E+03  0.3483708E-04  0.2965419E+04 -0.2323966E+02 -0.1051834E+01  0.7393125E+11              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5256000E+03  0.2341187E-04  0.2770830E+04 -0.2960742E+02 -0.7169873E+00  0.7393125E+11              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5328000E+03  0.1392955E-04  0.2539072E+04 -0.3374597E+02 -0.4326092E+00  0.7393125E+11              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+03  0.6227599E-05  0.2284888E+04 -0.3600932E+02 -0.1961005E+00  0.7393125E+11              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5472000E+03  0.1277967E-06  0.2020538E+04 -0.3672997E+02 -0.4079391E-02  0.7393125E+11              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5544000E+03 -0.4555221E-05  0.1755977E+04 -0.3621411E+02  0.1473748E+00  0.7393125E+11              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5616000E+03 -0.8006961E-05  0.1499055E+04 -0.3473853E+02  0.2625078E+00  0.7393125E+11              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5688000E+03 -0.1040758E-04  0.1255742E+04 -0.3254895E+02  0.3457079E+00  0.7393125E+11              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+03 -0.1192768E-04  0.1030350E+04 -0.2985953E+02  0.4013537E+00  0.7393125E+11              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5832000E+03 -0.1272530E-04  0.8257644E+03 -0.2685337E+02  0.4336903E+00  0.7393125E+11              Line 10( 82) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5904000E+03 -0.1294391E-04  0.6436614E+03 -0.2368385E+02  0.4467324E+00  0.7393125E+11              Line 10( 83) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5976000E+03 -0.1271118E-04  0.4847169E+03 -0.2047652E+02  0.4441917E+00  0.7393125E+11              Line 10( 84) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6048000E+03 -0.1213858E-04  0.3487994E+03 -0.1733150E+02  0.4294259E+00  0.7393125E+11              Line 10( 85) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6120000E+03 -0.1132140E-04  0.2351433E+03 -0.1432610E+02  0.4054075E+00  0.7393125E+11              Line 10( 86) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6192000E+03 -0.1033934E-04  0.1425036E+03 -0.1151769E+02  0.3747076E+00  0.7393125E+11              Line 10( 87) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6264000E+03 -0.9257361E-05  0.6928864E+02 -0.8946558E+01  0.3394947E+00  0.7393125E+11              Line 10( 88) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6336000E+03 -0.8126795E-05  0.1367312E+02 -0.6638818E+01  0.3015443E+00  0.7393125E+11              Line 10( 89) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6408000E+03 -0.6986641E-05 -0.2631034E+02 -0.4609132E+01  0.2622572E+00  0.7393125E+11              Line 10( 90) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+03 -0.5864936E-05 -0.5269838E+02 -0.2863339E+01  0.2226855E+00  0.7393125E+11              Line 10( 91) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6552000E+03 -0.4780183E-05 -0.6754242E+02 -0.1400842E+01  0.1835635E+00  0.7393125E+11              Line 10( 92) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6624000E+03 -0.3742789E-05 -0.7287052E+02 -0.2167769E+00  0.1453435E+00  0.7393125E+11              Line 10( 93) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6696000E+03 -0.2756492E-05 -0.7066400E+02  0.6961006E+00  0.1082335E+00  0.7393125E+11              Line 10( 94) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6768000E+03 -0.1819744E-05 -0.6284667E+02  0.1345799E+01  0.7223830E-01  0.7393125E+11              Line 10( 95) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6840000E+03 -0.9270640E-06 -0.5128450E+02  0.1739785E+01  0.3720210E-01  0.7393125E+11              Line 10( 96) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6912000E+03 -0.7034381E-07 -0.3779377E+02  0.1883984E+01  0.2853212E-02  0.7393125E+11              Line 10( 97) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6984000E+03  0.7598757E-06 -0.2415513E+02  0.1782117E+01 -0.3114954E-01  0.7393125E+11              Line 10( 98) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7056000E+03  0.1573158E-05 -0.1213128E+02  0.1435374E+01 -0.6516798E-01  0.7393125E+11              Line 10( 99) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7128000E+03  0.2377933E-05 -0.3485745E+01  0.8424502E+00 -0.9953304E-01  0.7393125E+11              Line 10(100) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+03  0.3180265E-05  0.0000000E+00  0.0000000E+00 -0.1344901E+00  0.7394130E+11              Line 10(101) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.1046437E+00 -0.1805603E+07  0.3000000E+05  0.0000000E+00  0.7393125E+11              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+01  0.1040106E+00 -0.1589603E+07  0.2982845E+05 -0.4765318E+02  0.7393125E+11              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+02  0.1022630E+00 -0.1376073E+07  0.2931956E+05 -0.9370496E+02  0.7393125E+11              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+02  0.9955042E-01 -0.1167401E+07  0.2848964E+05 -0.1368291E+03  0.7393125E+11              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+02  0.9601930E-01 -0.9658221E+06  0.2736357E+05 -0.1759676E+03  0.7393125E+11              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+02  0.9181096E-01 -0.7733655E+06  0.2597294E+05 -0.2103191E+03  0.7393125E+11              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+02  0.8706034E-01 -0.5918119E+06  0.2435422E+05 -0.2393237E+03  0.7393125E+11              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+02  0.8189474E-01 -0.4226647E+06  0.2254714E+05 -0.2626445E+03  0.7393125E+11              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+02  0.7643278E-01 -0.2671331E+06  0.2059309E+05 -0.2801456E+03  0.7393125E+11              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+02  0.7078350E-01 -0.1261242E+06  0.1853384E+05 -0.2918695E+03  0.7393125E+11              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+02  0.6504579E-01 -0.2458288E+03  0.1641027E+05 -0.2980117E+03  0.7393125E+11              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7920000E+02  0.5930790E-01  0.1101836E+06  0.1426140E+05 -0.2988955E+03  0.7393125E+11              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8640000E+02  0.5364728E-01  0.2051183E+06  0.1212357E+05 -0.2949464E+03  0.7393125E+11              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9360000E+02  0.4813048E-01  0.2847630E+06  0.1002976E+05 -0.2866670E+03  0.7393125E+11              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1008000E+03  0.4281335E-01  0.3495469E+06  0.8009151E+04 -0.2746132E+03  0.7393125E+11              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1080000E+03  0.3774133E-01  0.4000948E+06  0.6086805E+04 -0.2593717E+03  0.7393125E+11              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1152000E+03  0.3294984E-01  0.4371969E+06  0.4283526E+04 -0.2415392E+03  0.7393125E+11              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1224000E+03  0.2846492E-01  0.4617775E+06  0.2754777E+04 -0.1831134E+03  0.7393125E+11              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1296000E+03  0.2430379E-01  0.4768656E+06  0.1494930E+04 -0.1668443E+03  0.7393125E+11              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1368000E+03  0.2047704E-01  0.4833045E+06  0.3563786E+03 -0.1494199E+03  0.7393125E+11              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03  0.1698917E-01  0.4819975E+06 -0.6542433E+03 -0.1313084E+03  0.7393125E+11              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1512000E+03  0.1383928E-01  0.4738834E+06 -0.1533544E+04 -0.1129416E+03  0.7393125E+11              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1584000E+03  0.1102167E-01  0.4599145E+06 -0.2281085E+04 -0.9470865E+02  0.7393125E+11              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1656000E+03  0.8526551E-02  0.4410358E+06 -0.2899062E+04 -0.7695168E+02  0.7393125E+11              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1728000E+03  0.6340681E-02  0.4181680E+06 -0.3391956E+04 -0.5996349E+02  0.7393125E+11              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+03  0.4448028E-02  0.3921916E+06 -0.3766176E+04 -0.4398631E+02  0.7393125E+11              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1872000E+03  0.2830375E-02  0.3639350E+06 -0.4029690E+04 -0.2921216E+02  0.7393125E+11              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1944000E+03  0.1467912E-02  0.3341641E+06 -0.4191678E+04 -0.1578438E+02  0.7393125E+11              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2016000E+03  0.3397611E-03  0.3035749E+06 -0.4262182E+04 -0.3800210E+01  0.7393125E+11              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2088000E+03 -0.5755252E-03  0.2727887E+06 -0.4251794E+04  0.6685847E+01  0.7393125E+11              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+03 -0.1299534E-02  0.2423491E+06 -0.4171356E+04  0.1565802E+02  0.7393125E+11              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2232000E+03 -0.1853610E-02  0.2127211E+06 -0.4031702E+04  0.2313481E+02  0.7393125E+11              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2304000E+03 -0.2258528E-02  0.1842925E+06 -0.3843425E+04  0.2916425E+02  0.7393125E+11              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2376000E+03 -0.2534221E-02  0.1573758E+06 -0.3616685E+04  0.3381904E+02  0.7393125E+11              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2448000E+03 -0.2699563E-02  0.1322123E+06 -0.3361047E+04  0.3719174E+02  0.7393125E+11              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2520000E+03 -0.2772199E-02  0.1089767E+06 -0.3085352E+04  0.3939003E+02  0.7393125E+11              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2592000E+03 -0.2768422E-02  0.8778320E+05 -0.2797632E+04  0.4053232E+02  0.7393125E+11              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2664000E+03 -0.2703091E-02  0.6869085E+05 -0.2505039E+04  0.4074356E+02  0.7393125E+11              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2736000E+03 -0.2589596E-02  0.5171065E+05 -0.2213816E+04  0.4015155E+02  0.7393125E+11              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2808000E+03 -0.2439841E-02  0.3681190E+05 -0.1929290E+04  0.3888361E+02  0.7393125E+11              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03 -0.2264274E-02  0.2392887E+05 -0.1655879E+04  0.3706378E+02  0.7393125E+11              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2952000E+03 -0.2071928E-02  0.1296724E+05 -0.1397132E+04  0.3481035E+02  0.7393125E+11              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3024000E+03 -0.1870489E-02  0.3810170E+04 -0.1155772E+04  0.3223405E+02  0.7393125E+11              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3096000E+03 -0.1666379E-02 -0.3675884E+04 -0.9337584E+03  0.2943650E+02  0.7393125E+11              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3168000E+03 -0.1464847E-02 -0.9635951E+04 -0.7323537E+03  0.2650926E+02  0.7393125E+11              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3240000E+03 -0.1270071E-02 -0.1422178E+05 -0.5522012E+03  0.2353308E+02  0.7393125E+11              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3312000E+03 -0.1085267E-02 -0.1758765E+05 -0.3934025E+03  0.2057770E+02  0.7393125E+11              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3384000E+03 -0.9127959E-03 -0.1988677E+05 -0.2555963E+03  0.1770180E+02  0.7393125E+11              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3456000E+03 -0.7542690E-03 -0.2126823E+05 -0.1380377E+03  0.1495334E+02  0.7393125E+11              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3528000E+03 -0.6106552E-03 -0.2187452E+05 -0.3967364E+02  0.1237001E+02  0.7393125E+11              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+03 -0.4823797E-03 -0.2183954E+05  0.4078614E+02  0.9979928E+01  0.7393125E+11              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3672000E+03 -0.3694178E-03 -0.2128720E+05  0.1048027E+03  0.7802454E+01  0.7393125E+11              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3744000E+03 -0.2713824E-03 -0.2033038E+05  0.1539483E+03  0.5849090E+01  0.7393125E+11              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3816000E+03 -0.1876024E-03 -0.1907034E+05  0.1898529E+03  0.4124429E+01  0.7393125E+11              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3888000E+03 -0.1171944E-03 -0.1759649E+05  0.2141586E+03  0.2627142E+01  0.7393125E+11              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3960000E+03 -0.5912499E-04 -0.1598646E+05  0.2284797E+03  0.1350944E+01  0.7393125E+11              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4032000E+03 -0.1226511E-04 -0.1430639E+05  0.2343711E+03  0.2855433E+00  0.7393125E+11              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4104000E+03  0.2456325E-04 -0.1261151E+05  0.2333021E+03 -0.5824670E+00  0.7393125E+11              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4176000E+03  0.5254851E-04 -0.1094684E+05  0.2266376E+03 -0.1268781E+01  0.7393125E+11              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4248000E+03  0.7285794E-04 -0.9347931E+04  0.2156238E+03 -0.1790626E+01  0.7393125E+11              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03  0.8661267E-04 -0.7841853E+04  0.2013796E+03 -0.2166092E+01  0.7393125E+11              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4392000E+03  0.9486876E-04 -0.6448065E+04  0.1848929E+03 -0.2413551E+01  0.7393125E+11              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4464000E+03  0.9860352E-04 -0.5179396E+04  0.1670199E+03 -0.2551164E+01  0.7393125E+11              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4536000E+03  0.9870653E-04 -0.4042979E+04  0.1484884E+03 -0.2596470E+01  0.7393125E+11              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4608000E+03  0.9597463E-04 -0.3041163E+04  0.1299033E+03 -0.2566069E+01  0.7393125E+11              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4680000E+03  0.9111029E-04 -0.2172371E+04  0.1117541E+03 -0.2475371E+01  0.7393125E+11              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4752000E+03  0.8472271E-04 -0.1431904E+04  0.9442442E+02 -0.2338427E+01  0.7393125E+11              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4824000E+03  0.7733108E-04 -0.8126598E+03  0.7820194E+02 -0.2167818E+01  0.7393125E+11              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4896000E+03  0.6936963E-04 -0.3057957E+03  0.6328922E+02 -0.1974603E+01  0.7393125E+11              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4968000E+03  0.6119375E-04  0.9870504E+02  0.4981473E+02 -0.1768313E+01  0.7393125E+11              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+03  0.5308708E-04  0.4115364E+03  0.3784364E+02 -0.1556988E+01  0.7393125E+11              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5112000E+03  0.4526898E-04  0.6436535E+03  0.2738839E+02 -0.1347248E+01  0.7393125E+11              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5184000E+03  0.3790221E-04  0.8059293E+03  0.1841854E+02 -0.1144379E+01  0.7393125E+11              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5256000E+03  0.3110054E-04  0.9088804E+03  0.1086994E+02 -0.9524526E+00  0.7393125E+11              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5328000E+03  0.2493618E-04  0.9624565E+03  0.4653122E+01 -0.7744416E+00  0.7393125E+11              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+03  0.1944668E-04  0.9758854E+03 -0.3393479E+00 -0.6123556E+00  0.7393125E+11              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5472000E+03  0.1464147E-04  0.9575698E+03 -0.4226358E+01 -0.4673695E+00  0.7393125E+11              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5544000E+03  0.1050769E-04  0.9150258E+03 -0.7132726E+01 -0.3399549E+00  0.7393125E+11              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5616000E+03  0.7015528E-05  0.8548586E+03 -0.9184577E+01 -0.2300037E+00  0.7393125E+11              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5688000E+03  0.4122783E-05  0.7827679E+03 -0.1050560E+02 -0.1369463E+00  0.7393125E+11              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+03  0.1778908E-05  0.7035780E+03 -0.1121409E+02 -0.5985838E-01  0.7393125E+11              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5832000E+03 -0.7162379E-07  0.6212850E+03 -0.1142080E+02  0.2441007E-02  0.7393125E+11              Line 10( 82) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5904000E+03 -0.1486515E-05  0.5391185E+03 -0.1122731E+02  0.5130403E-01  0.7393125E+11              Line 10( 83) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5976000E+03 -0.2523381E-05  0.4596117E+03 -0.1072517E+02  0.8817942E-01  0.7393125E+11              Line 10( 84) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6048000E+03 -0.3237971E-05  0.3846760E+03 -0.9995349E+01  0.1145495E+00  0.7393125E+11              Line 10( 85) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6120000E+03 -0.3682829E-05  0.3156786E+03 -0.9108209E+01  0.1318782E+00  0.7393125E+11              Line 10( 86) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6192000E+03 -0.3906336E-05  0.2535178E+03 -0.8123798E+01  0.1415693E+00  0.7393125E+11              Line 10( 87) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6264000E+03 -0.3952078E-05  0.1986959E+03 -0.7092385E+01  0.1449344E+00  0.7393125E+11              Line 10( 88) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6336000E+03 -0.3858496E-05  0.1513875E+03 -0.6055212E+01  0.1431693E+00  0.7393125E+11              Line 10( 89) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6408000E+03 -0.3658763E-05  0.1115009E+03 -0.5045383E+01  0.1373388E+00  0.7393125E+11              Line 10( 90) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+03 -0.3380846E-05  0.7873396E+02 -0.4088841E+01  0.1283671E+00  0.7393125E+11              Line 10( 91) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6552000E+03 -0.3047721E-05  0.5262158E+02 -0.3205392E+01  0.1170354E+00  0.7393125E+11              Line 10( 92) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6624000E+03 -0.2677698E-05  0.3257631E+02 -0.2409726E+01  0.1039829E+00  0.7393125E+11              Line 10( 93) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6696000E+03 -0.2284833E-05  0.1792151E+02 -0.1712418E+01  0.8971387E-01  0.7393125E+11              Line 10( 94) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6768000E+03 -0.1879402E-05  0.7917488E+01 -0.1120865E+01  0.7460653E-01  0.7393125E+11              Line 10( 95) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6840000E+03 -0.1468419E-05  0.1781064E+01 -0.6401471E+00  0.5892612E-01  0.7393125E+11              Line 10( 96) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6912000E+03 -0.1056188E-05 -0.1300630E+01 -0.2737892E+00  0.4283997E-01  0.7393125E+11              Line 10( 97) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6984000E+03 -0.6448677E-06 -0.2161500E+01 -0.2439917E-01  0.2643503E-01  0.7393125E+11              Line 10( 98) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7056000E+03 -0.2350636E-06 -0.1651978E+01  0.1058219E+00  0.9737496E-02  0.7393125E+11              Line 10( 99) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7128000E+03  0.1735822E-06 -0.6376639E+00  0.1147207E+00 -0.7265622E-02  0.7393125E+11              Line 10(100) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+03  0.5817809E-06  0.0000000E+00  0.0000000E+00 -0.2460290E-01  0.7394130E+11              Line 10(101) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.3000000E+05  0.2800766E+00  0.1545327E+07  0.3000000E+05 -0.2858639E-02                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
  0.3000000E+05  0.1046437E+00 -0.1805603E+07  0.3000000E+05 -0.1252856E-16                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
    0    0    0                                                                                         Line 16: Number pushover steps computed, pushover BC type
    0  0.0000000E+00  0.0000000E+00                                                                     Line 18: Number of buckling points computed, Vtop, Mtop
